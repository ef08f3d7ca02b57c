// "Näita kasutust": the concordance of the form's headword (or of the token's word form when it
// has none), of the token's word form, of a combination or of a dictionary entry, and the opening
// of a hit at its token.
#pragma once

#include "search/concordance.h"
#include "text/pelmoradoc.h"

#include <QObject>
#include <QString>

#include <functional>

class QMainWindow;
class QWidget;

namespace pelmora::gui {

class CPelmoraFormView;
class CommandActions;
class ConcordanceDock;
class FileCommands;

class UsageCommands final : public QObject {
    Q_OBJECT
public:
    // The dock shows in `window`; `form` gives the annotation form (null when another widget
    // stands in its place); a hit's token gets the keyboard in `textView`.
    UsageCommands(CPelmoraDoc& doc, ConcordanceDock& concordance, FileCommands& files, QMainWindow& window,
                  QWidget& textView, std::function<CPelmoraFormView*()> form);

    // Binds "Näita kasutust ...\tCtrl+K" (and the form's button) and the context menu's entry.
    void bind(const CommandActions& actions);
    // Shows the concordance of the word; the first time it takes a quarter of the window's height.
    void showUsage(ConcordanceBy by, const QString& word);

public Q_SLOTS:
    void showHeadwordUsage();
    void showWordFormUsage();

private:
    void openHit(const QString& file, const QString& tokenId);

    CPelmoraDoc& m_doc;
    ConcordanceDock& m_concordance;
    FileCommands& m_files;
    QMainWindow& m_window;
    QWidget& m_textView;
    std::function<CPelmoraFormView*()> m_form;
};

}  // namespace pelmora::gui
