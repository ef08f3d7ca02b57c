// The look the window needs on every platform: an icon theme for the toolbar, Pelmora's own icon.
#pragma once

namespace pelmora::gui {

// Puts Estonian texts on Qt's standard buttons ("&Loobu", "&Jah", "&Ei"; useLanguage() may
// choose English afterwards), makes the desktop's
// icon folders searchable and picks Tango when the platform names no theme (as on a bare X server
// or the offscreen platform), and sets the platform's style with the line edits' panels cached
// (app/panelcachestyle.h), and gives the application Pelmora's icon and desktop entry name. Call
// once after the QApplication exists.
void setUpAppearance();

}  // namespace pelmora::gui
