#include "StandInFonts.h"

#include <QFont>
#include <QString>

namespace platform {

void UseStandInFonts() {
    for (const char* face : kFacesStoodInFor)
        QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(kStandInFamily));
}

} // namespace platform
