#pragma once
// The length limit of an edit as the stored layouts mean it: bytes of the 8-bit text,
// not characters. What is typed or pasted beyond it is cut at a character boundary,
// from the end of the insertion, so a text that fits always reaches the record whole.

#include <QValidator>

class QLineEdit;

namespace platform {

class ByteLimitValidator : public QValidator {
public:
    ByteLimitValidator(int maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int maxBytes_;
};

// Limits an edit to maxBytes of its 8-bit text.
void LimitBytes(QLineEdit* edit, int maxBytes);

} // namespace platform
