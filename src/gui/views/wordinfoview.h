// CWordInfoView: the one-line strip that shows the current token with its whole analysis.
#pragma once

#include "settings/settings.h"
#include "text/pelmoradoc.h"

#include <QFont>
#include <QWidget>

#include <array>

namespace pelmora::gui {

class CWordInfoView final : public QWidget, public DocumentObserver {
    Q_OBJECT
public:
    CWordInfoView(CPelmoraDoc& doc, const Settings& settings, QWidget* parent = nullptr);
    ~CWordInfoView() override;

    QSize sizeHint() const override;

    // DocumentObserver
    void documentUpdated() override { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CPelmoraDoc& m_doc;
    std::array<QFont, 4> m_fonts;
    std::array<int, 4> m_ascents{};  // of each font, to put every piece on the common base line
    int m_smallBlank = 0;           // a blank in the small font: the gap between pieces
};

}  // namespace pelmora::gui
