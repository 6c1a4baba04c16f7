// The pictures of the first catalogue boards with Kappel connectors, drawn from their
// forms' layouts.
#include "FormBoardPicture.h"
#include "boards/first/UI_FennicLayout.h"
#include "boards/first/UI_KestinLayout.h"

PW_FORM_BOARD_PICTURE(fennic::kLayout, "Fennic");
// The Kestin form names its board picture Image1.
[[maybe_unused]] static const bool kKestinBoard =
    ::pictures::RegisterFormBoardPicture(kestin::kLayout, "Kestin", "Image1");
