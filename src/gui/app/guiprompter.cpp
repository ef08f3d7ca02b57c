#include "app/guiprompter.h"

#include "app/qtstrings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

namespace pelmora::gui {

namespace {

// The core's fixed titles and messages (context "core"), listed for lupdate: a message box shows
// their translation. Messages the core builds with inserted values stay as the core wrote them.
[[maybe_unused]] constexpr const char* kCoreMessages[] = {
    QT_TRANSLATE_NOOP("core", "Viga"),
    QT_TRANSLATE_NOOP("core", "Teade"),
    QT_TRANSLATE_NOOP("core", "\"Mis\" ja \"Milleks\" lahtrid ei või olla tühjad"),
    QT_TRANSLATE_NOOP("core", "Viga salvestamisel"),
    QT_TRANSLATE_NOOP("core", "Mingi internetiviga"),
    QT_TRANSLATE_NOOP("core", "Rohkem sõnu pole"),
    QT_TRANSLATE_NOOP("core", "Rohkem sobivaid sõnu pole"),
    QT_TRANSLATE_NOOP("core", "Hoiatus"),
    QT_TRANSLATE_NOOP("core", "Lause algus helifailis on määramata."),
    QT_TRANSLATE_NOOP("core", "Helifaili pole määratud."),
    QT_TRANSLATE_NOOP("core", "Helifaile ei saa mängida: selles arvutis puudub Qt Multimedia taustaprogramm."),
    QT_TRANSLATE_NOOP("core", "Teksti tüüpi ei saa muuta"),
    QT_TRANSLATE_NOOP("core", "Helifail peab olema .mp3 formaadis.\nEi salvestanud failinime."),
    QT_TRANSLATE_NOOP("core", "Sisesta teksti ID\nja vali teksti tüüp."),
    QT_TRANSLATE_NOOP("core", "Sisesta ID, nimi ja roll"),
    QT_TRANSLATE_NOOP("core", "Kustutan sõnega seotud ühendi."),
    QT_TRANSLATE_NOOP("core", "Sõnet ei saa kustutada"),
    QT_TRANSLATE_NOOP("core", "Tühja sõnet ei saa lisaada"),
    QT_TRANSLATE_NOOP("core", "Ei leia soovitud lauset."),
    QT_TRANSLATE_NOOP("core", "Lauset ei saa iseendaga ühendada."),
    QT_TRANSLATE_NOOP("core", "Kustutan lausest ühendid ..."),
    QT_TRANSLATE_NOOP("core", "Lause algus helifailis ei saa olla negatiivne."),
    QT_TRANSLATE_NOOP("core", "Lause algus helifailis on liiga suur."),
    QT_TRANSLATE_NOOP("core", "Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta"),
    QT_TRANSLATE_NOOP("core", "Ühendi märksõna ei saa olla tühi."),
    QT_TRANSLATE_NOOP("core", "Otsing"),
    QT_TRANSLATE_NOOP("core", "Ei leidnud lehekülge"),
    QT_TRANSLATE_NOOP("core", "ID otsing"),
    QT_TRANSLATE_NOOP("core", "ID viga"),
    QT_TRANSLATE_NOOP("core", "Lõikelaud tühi"),
    QT_TRANSLATE_NOOP("core", "Eks muuda siis seadistusdialoogis\nsõnastiku fail ära!"),
    QT_TRANSLATE_NOOP("core", "Tekstide ühendamine"),
    QT_TRANSLATE_NOOP("core", "Ei saanud faili avada"),
    QT_TRANSLATE_NOOP("core", "Sisesta sõnastikufaili nimi."),
    QT_TRANSLATE_NOOP("core", "Sõnastikus on kõik juba olemas; seda ei muudetud."),
    QT_TRANSLATE_NOOP("core", "Sisend ja väljund on mõlemad Pelmora tekstid; teisendada pole midagi."),
    QT_TRANSLATE_NOOP("core", "Ei saa väljundfaili faili avada"),
    QT_TRANSLATE_NOOP("core", "Sisesta faili nimi"),
    QT_TRANSLATE_NOOP("core", "Ei saa faili avada/luua"),
    QT_TRANSLATE_NOOP("core", "Ei saa väljundfaili kirjutada"),
    QT_TRANSLATE_NOOP("core", "Teksti import"),
    QT_TRANSLATE_NOOP("core", "Ühtegi faili pole avatud.\nEi saa sõnastikku luua."),
    QT_TRANSLATE_NOOP("core", "Ühtegi faili pole avatud"),
    QT_TRANSLATE_NOOP("core", "Leidsin %s rida.\r\nKas jätkad uue päringuga?"),
};

// The text in the interface's language: a fixed core text's translation, anything else itself.
QString shown(const std::string& text)
{
    return QCoreApplication::translate("core", text.c_str());
}

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

// A box over the active window when the parent is gone or hidden, so it never hides behind.
QWidget* ownerOf(QWidget* parent)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent;
}

}  // namespace

void GuiPrompter::message(MessageKind kind, const std::string& title, const std::string& text)
{
    QMessageBox box(iconOf(kind), shown(title), shown(text), QMessageBox::Ok, ownerOf(m_parent));
    box.exec();
}

bool GuiPrompter::askYesNo(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, shown(title), shown(text), QMessageBox::Yes | QMessageBox::No,
                    ownerOf(m_parent));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace pelmora::gui
