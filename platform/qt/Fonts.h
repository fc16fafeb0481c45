#pragma once

namespace gh {

// Registers the fonts compiled into the program and makes the two families the
// game asks for resolve to them on any machine: "Arial" to Liberation Sans
// (the same widths, so labels sized in twips still fit) and "Comic Sans MS" to
// Comic Neue. Call once after QGuiApplication exists; later calls do nothing.
void LoadBundledFonts();

} // namespace gh
