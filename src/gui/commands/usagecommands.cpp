#include "commands/usagecommands.h"

#include "app/commandactions.h"
#include "app/qtstrings.h"
#include "commands/filecommands.h"
#include "form/pelmoraformview.h"
#include "search/tokenwalk.h"
#include "text/textformat.h"
#include "ui_pelmoraformview.h"
#include "views/concordancedock.h"

#include <QFileInfo>
#include <QMainWindow>

namespace pelmora::gui {

UsageCommands::UsageCommands(CPelmoraDoc& doc, ConcordanceDock& concordance, FileCommands& files,
                             QMainWindow& window, QWidget& textView, std::function<CPelmoraFormView*()> form)
    : QObject(&window), m_doc(doc), m_concordance(concordance), m_files(files), m_window(window),
      m_textView(textView), m_form(std::move(form))
{
    connect(&m_concordance, &ConcordanceDock::hitActivated, this, &UsageCommands::openHit);
}

void UsageCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::ShowUsage, &UsageCommands::showHeadwordUsage},
                        {Command::ShowWordFormUsage, &UsageCommands::showWordFormUsage}});
    if (CPelmoraFormView* form = m_form())
        connect(form->ui().showUsageButton, &QPushButton::clicked, actions[Command::ShowUsage], &QAction::trigger);
}

void UsageCommands::showHeadwordUsage()
{
    const XmlNode token = m_doc.currentToken();
    if (!token)
        return;
    // The headword as the form shows it (typed or proposed); the token's own lemma without a form.
    CPelmoraFormView* form = m_form();
    const QString headword =
        form ? form->headwordEdit()->text().trimmed() : toQt(attributeValue(token, text::kLemma));
    if (headword.isEmpty())
        showUsage(ConcordanceBy::WordForm, toQt(elementText(token)));
    else
        showUsage(ConcordanceBy::Lemma, headword);
}

void UsageCommands::showWordFormUsage()
{
    if (const XmlNode token = m_doc.currentToken())
        showUsage(ConcordanceBy::WordForm, toQt(elementText(token)));
}

void UsageCommands::showUsage(ConcordanceBy by, const QString& word)
{
    const bool first = m_concordance.isHidden();
    m_concordance.showUsage(by, word, m_files.path());
    // The running text keeps most of the height when the window first opens.
    if (first)
        m_window.resizeDocks({&m_concordance}, {m_window.height() / 4}, Qt::Vertical);
}

void UsageCommands::openHit(const QString& file, const QString& tokenId)
{
    // A hit in the open text needs no opening, so its changes stay; another text asks first.
    const QString& path = m_files.path();
    const bool isOpen = m_doc.hasText() && !path.isEmpty() && QFileInfo(file) == QFileInfo(path);
    if (!isOpen && (!m_files.maybeSave() || !m_files.openText(file)))
        return;
    if (const XmlNode token = findTokenById(m_doc, toStd(tokenId)))
        m_doc.setCurrentToken(token);
    m_textView.setFocus(Qt::OtherFocusReason);
}

}  // namespace pelmora::gui
