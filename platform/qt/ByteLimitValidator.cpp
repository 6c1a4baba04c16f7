#include "ByteLimitValidator.h"

#include <QLineEdit>

namespace platform {

namespace {

// Code units of the character that ends at index end (a surrogate pair counts as one).
int CharBefore(const QString& text, int end) {
    if (end >= 2 && text.at(end - 1).isLowSurrogate() && text.at(end - 2).isHighSurrogate())
        return 2;
    return 1;
}

} // namespace

ByteLimitValidator::ByteLimitValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
    // What was just typed or pasted ends at the cursor: its last characters go first.
    while (input.toLocal8Bit().size() > maxBytes_ && pos > 0) {
        const int n = CharBefore(input, pos);
        input.remove(pos - n, n);
        pos -= n;
    }
    while (input.toLocal8Bit().size() > maxBytes_)
        input.chop(CharBefore(input, static_cast<int>(input.size())));
    return Acceptable;
}

void LimitBytes(QLineEdit* edit, int maxBytes) {
    edit->setMaxLength(maxBytes);
    edit->setValidator(new ByteLimitValidator(maxBytes, edit));
}

} // namespace platform
