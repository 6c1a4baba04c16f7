#include "FormOverlaps.h"

#include "platform/qt/Widgets.h"

#include <QLabel>

namespace testsupport {

namespace {

// A label written on the board picture (inside an outline of the layout) annotates it.
bool Annotates(QWidget* label, QWidget* picture) {
    return qobject_cast<QLabel*>(label) != nullptr && picture->objectName() == QStringLiteral("ImageBoard");
}

} // namespace

std::vector<std::string> OverlappingControls(QWidget& form) {
    std::vector<std::string> found;
    std::vector<QWidget*> parents{&form};
    for (QWidget* w : form.findChildren<QWidget*>())
        parents.push_back(w);
    for (QWidget* parent : parents) {
        std::vector<QWidget*> controls;
        for (QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!c->objectName().isEmpty() && c->isVisibleTo(&form) &&
                dynamic_cast<platform::OutlineShape*>(c) == nullptr)
                controls.push_back(c);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const std::string a = controls[i]->objectName().toStdString();
            if (parent != &form && !parent->rect().contains(controls[i]->geometry()))
                found.push_back(a + "/" + parent->objectName().toStdString());
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                if (controls[i]->geometry().intersects(controls[j]->geometry()) &&
                    !Annotates(controls[i], controls[j]) && !Annotates(controls[j], controls[i]))
                    found.push_back(a + "/" + controls[j]->objectName().toStdString());
        }
    }
    return found;
}

} // namespace testsupport
