#pragma once
// The faces the stored layouts and dialogs ask for by name, and the family that stands
// in for them here. The layouts were drawn for Windows' 8-point sans faces; "Liberation
// Sans" (Debian's fonts-liberation2) has Arial's widths, so every caption fits its box
// as drawn, where the system's own sans font (DejaVu Sans) is wider and cuts 61 of them.

namespace platform {

inline constexpr const char* kStandInFamily = "Liberation Sans";

inline constexpr const char* kFacesStoodInFor[] = {"MS Sans Serif", "Microsoft Sans Serif", "Arial"};

// Makes each of the faces above resolve to the stand-in family (when it is installed;
// otherwise to the system's sans font, as before).
void UseStandInFonts();

} // namespace platform
