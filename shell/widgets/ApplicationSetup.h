#pragma once

namespace quarlo {

// Gives the running application the program's names: "Vortel" / "QUARLO" for the stored
// settings, "QUARLO 3.0" as the title of every message box, the program's version and window
// icon. Call once the QApplication exists, before the main window is made.
//
// The title is not made Qt's application display name: the platform would append it to the
// main window's caption, which must read exactly "QUARLO 2014.3.2 - " and the project's name.
void ConfigureApplication();

// Makes the program's pictures (the tool-bar buttons, the window icon) reachable as
// ":/icons/<name>.svg". They are linked in a static library, so they must be asked for.
void LoadProgramPictures();

}  // namespace quarlo
