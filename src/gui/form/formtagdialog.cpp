#include "form/formtagdialog.h"

#include "app/qtstrings.h"
#include "dialogs/choicelists.h"
#include "ui_formtagdialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pelmora::gui {

namespace {

using G = FormTagGroup;

QString groupTitle(FormTagGroup group)
{
    switch (group) {
    case G::Case: return QCoreApplication::translate("FormTagDialog", "Kääne");
    case G::Number: return QCoreApplication::translate("FormTagDialog", "Arv");
    case G::Comparison: return QCoreApplication::translate("FormTagDialog", "Võrre");
    case G::Person: return QCoreApplication::translate("FormTagDialog", "Isik");
    case G::Tense: return QCoreApplication::translate("FormTagDialog", "Aeg");
    case G::Mood: return QCoreApplication::translate("FormTagDialog", "Kõneviis");
    case G::Voice: return QCoreApplication::translate("FormTagDialog", "Tegumood");
    case G::NonFinite: return QCoreApplication::translate("FormTagDialog", "Käändeline vorm");
    case G::Other: break;
    }
    return {};
}

// The columns of groups, left to right, each from the top; the case group, the longest, is
// split into two columns of boxes.
const std::array<std::vector<FormTagGroup>, 4> kColumns{{
    {G::Case},
    {G::Number, G::Comparison, G::Person},
    {G::Tense, G::Mood},
    {G::Voice, G::NonFinite},
}};
constexpr int kCaseRows = 9;

// A group caption's colour goes into both roles a style may draw it with; a check box's only into
// its label's, so that its tick keeps the usual colour.
void paintCaption(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    if (qobject_cast<QGroupBox*>(widget))
        palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// Keeps a box in the default colours when its group's caption is coloured.
void pinDefaultColours(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::WindowText));
    palette.setColor(QPalette::Text, palette.color(QPalette::Text));
    widget->setPalette(palette);
}

}  // namespace

FormTagDialog::FormTagDialog(const std::string& tag, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::FormTagDialog>())
{
    m_ui->setupUi(this);
    buildBoxes();
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->clearButton, &QPushButton::clicked, this, &FormTagDialog::clearAll);
    showTicks(takeApartFormTag(tag));
}

FormTagDialog::~FormTagDialog() = default;

void FormTagDialog::buildBoxes()
{
    const auto& boxes = formTagBoxes();
    const auto makeBox = [&](std::size_t index, QWidget* parentWidget) {
        auto* box = new QCheckBox(shownName(boxes[index].caption), parentWidget);
        box->setObjectName(QStringLiteral("box_") + toQt(boxes[index].abbreviation));
        m_boxes[index] = box;
        connect(box, &QCheckBox::toggled, this, &FormTagDialog::recolour);
        return box;
    };
    // Boxes are made in reading order, so that Tab follows it.
    std::vector<QWidget*> tabChain;
    std::vector<QWidget*> captions;

    auto* grid = new QGridLayout(m_ui->boxArea);
    grid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        auto* stack = new QVBoxLayout;
        for (FormTagGroup group : kColumns[column]) {
            auto* groupBox = new QGroupBox(groupTitle(group), m_ui->boxArea);
            // Bold titles keep the lighter caption colours readable; the boxes stay plain.
            QFont titleFont = groupBox->font();
            titleFont.setBold(true);
            groupBox->setFont(titleFont);
            captions.push_back(groupBox);
            auto* inner = new QGridLayout(groupBox);
            int placed = 0;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].group != group)
                    continue;
                QCheckBox* box = makeBox(i, groupBox);
                pinDefaultColours(box);
                QFont plain = box->font();
                plain.setBold(false);
                box->setFont(plain);
                const int row = group == G::Case ? placed % kCaseRows : placed;
                const int col = group == G::Case ? placed / kCaseRows : 0;
                inner->addWidget(box, row, col);
                tabChain.push_back(box);
                ++placed;
            }
            stack->addWidget(groupBox);
        }
        stack->addStretch();
        grid->addLayout(stack, 0, static_cast<int>(column));
    }
    // The boxes outside the groups along the bottom.
    auto* others = new QGroupBox(m_ui->boxArea);
    auto* row = new QHBoxLayout(others);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].group != G::Other)
            continue;
        QCheckBox* box = makeBox(i, others);
        captions.push_back(box);
        row->addWidget(box);
        tabChain.push_back(box);
    }
    row->addStretch();
    grid->addWidget(others, 1, 0, 1, static_cast<int>(kColumns.size()));

    const auto colours = formTagColours(FormTagTicks{});
    for (std::size_t i = 0; i < colours.size(); ++i) {
        // The core names a caption in Estonian: a group's title or a box's caption, as shown.
        const std::string source(colours[i].caption);
        const QString title = QCoreApplication::translate("FormTagDialog", source.c_str());
        const QString caption = shownName(source);
        for (QWidget* widget : captions) {
            const auto* groupBox = qobject_cast<QGroupBox*>(widget);
            const auto* box = qobject_cast<QCheckBox*>(widget);
            if ((groupBox && groupBox->title() == title) || (box && box->text() == caption))
                m_coloured[i] = widget;
        }
    }

    tabChain.push_back(m_ui->extraInfoEdit);
    tabChain.push_back(m_ui->clearButton);
    tabChain.push_back(m_ui->okButton);
    tabChain.push_back(m_ui->cancelButton);
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);
    tabChain.front()->setFocus();
}

void FormTagDialog::showTicks(const FormTagTicks& ticks)
{
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const QSignalBlocker quiet(m_boxes[i]);
        m_boxes[i]->setChecked(ticks.ticked.test(i));
    }
    m_ui->extraInfoEdit->setText(toQt(ticks.extraInfo));
    recolour();
}

void FormTagDialog::clearAll()
{
    FormTagTicks none;
    showTicks(none);
}

FormTagTicks FormTagDialog::ticks() const
{
    FormTagTicks ticks;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        ticks.ticked.set(i, m_boxes[i]->isChecked());
    ticks.extraInfo = toStd(m_ui->extraInfoEdit->text());
    return ticks;
}

std::string FormTagDialog::tag() const { return putTogetherFormTag(ticks()); }

QCheckBox* FormTagDialog::box(std::string_view abbreviation) const
{
    const int index = formTagBoxIndex(abbreviation);
    return index < 0 ? nullptr : m_boxes[static_cast<std::size_t>(index)];
}

QLineEdit* FormTagDialog::extraInfoEdit() const { return m_ui->extraInfoEdit; }

void FormTagDialog::recolour()
{
    const auto colours = formTagColours(ticks());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (!m_coloured[i])
            continue;
        const Rgb rgb = captionRgb(colours[i].colour);
        paintCaption(m_coloured[i], QColor(rgb.red, rgb.green, rgb.blue));
    }
}

std::optional<std::string> editFormTag(const std::string& tag, DialogRunner& dialogs, QWidget* parent, bool typing)
{
    FormTagDialog dialog(tag, parent);
    if (typing) {
        dialog.extraInfoEdit()->setFocus();
        dialog.extraInfoEdit()->end(false);
    }
    if (dialogs.run(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.tag();
}

void editFormTagOf(QLineEdit& field, DialogRunner& dialogs, QWidget* parent)
{
    if (const std::optional<std::string> tag = editFormTag(toStd(field.text()), dialogs, parent)) {
        field.setText(toQt(*tag));
        // A tag chosen is a tag sought: the field's own edit signal ticks its check box.
        Q_EMIT field.textEdited(field.text());
    }
    field.setFocus();
}

}  // namespace pelmora::gui
