#include "FormBuilder.h"

#include "ByteLimitValidator.h"
#include "QtPlatform.h"
#include "Resources.h"
#include "TextFit.h"
#include "Widgets.h"
#include "platform/Assert.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <map>
#include <string>

namespace platform {

QColor FromBgr(int64_t bgr) {
    auto v = static_cast<uint32_t>(bgr);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

void ComponentMissing(const char* name) {
    AssertFailed(name, "FormBuilder", 1);
}

namespace {

QWidget* Create(const LayoutRow& row, QWidget* parent) {
    const QString caption = row.caption ? ToQt(row.caption) : QString();
    switch (row.kind) {
    case Kind::Panel: {
        auto* f = new QFrame(parent);
        f->setFrameShape(QFrame::Panel);
        f->setFrameShadow(QFrame::Raised);
        return f;
    }
    case Kind::GroupBox:
        return new QGroupBox(caption, parent);
    case Kind::Label:
        return new QLabel(caption, parent);
    case Kind::Edit: {
        auto* e = new QLineEdit(caption, parent);
        if (row.style.maxLength > 0) {
            LimitBytes(e, row.style.maxLength);
        }
        return e;
    }
    case Kind::CheckBox:
        return new QCheckBox(caption, parent);
    case Kind::ComboBox:
        return new ComboBox(parent);
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::Picture: {
        auto* p = new PictureBox(parent);
        p->SetAutoSize(row.style.autoSize);
        if (row.style.picture)
            p->SetImage(LoadPicture(row.style.picture));
        return p;
    }
    case Kind::Shape: {
        auto* s = new OutlineShape(parent);
        s->SetPen(row.style.penColor == kNoColor ? QColor(Qt::black) : FromBgr(row.style.penColor),
                  row.style.penWidth, row.style.penStyle == PenStyle::Dotted);
        return s;
    }
    case Kind::Bevel: {
        auto* f = new QFrame(parent);
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Sunken);
        return f;
    }
    case Kind::PaintBox:
        return new PaintBox(parent);
    case Kind::ListBox:
        return new QListWidget(parent);
    case Kind::Form:
        break;
    }
    return nullptr;
}

void ApplyStyle(QWidget* w, const LayoutRow& row) {
    const Style& s = row.style;
    if (s.font || s.fontPx > 0 || s.bold) {
        QFont f = w->font();
        if (s.font)
            f.setFamily(ToQt(s.font));
        if (s.fontPx > 0)
            f.setPixelSize(s.fontPx);
        f.setBold(s.bold);
        w->setFont(f);
    }
    if (s.color != kNoColor || s.fontColor != kNoColor) {
        QPalette pal = w->palette();
        if (s.color != kNoColor) {
            pal.setColor(QPalette::Window, FromBgr(s.color));
            w->setAutoFillBackground(true);
        }
        if (s.fontColor != kNoColor) {
            pal.setColor(QPalette::WindowText, FromBgr(s.fontColor));
            pal.setColor(QPalette::ButtonText, FromBgr(s.fontColor));
            // A check box draws its tick in the text colour on its own light box, so
            // only its caption takes the colour; the tick stays dark.
            if (row.kind != Kind::CheckBox)
                pal.setColor(QPalette::Text, FromBgr(s.fontColor));
        }
        w->setPalette(pal);
    }
    if (s.handCursor)
        w->setCursor(Qt::PointingHandCursor);
}

} // namespace

void BuildForm(QWidget* form, std::span<const LayoutRow> rows) {
    std::map<std::string, QWidget*> byName;
    for (const LayoutRow& row : rows) {
        if (row.kind == Kind::Form) {
            form->setObjectName(QString::fromLatin1(row.name));
            if (row.caption)
                form->setWindowTitle(ToQt(row.caption));
            form->resize(row.w, row.h);
            ApplyStyle(form, row);
            byName[row.name] = form;
            continue;
        }
        QWidget* parent = form;
        if (row.parent != nullptr) {
            auto it = byName.find(row.parent);
            PW_ASSERT(it != byName.end(), row.parent, "FormBuilder", 2);
            parent = it->second;
        }
        QWidget* w = Create(row, parent);
        w->setObjectName(QString::fromLatin1(row.name));
        w->setGeometry(row.x, row.y, row.w, row.h);
        if (row.kind == Kind::Picture && row.style.autoSize) {
            auto* p = static_cast<PictureBox*>(w);
            if (!p->Image().isNull())
                p->resize(p->Image().size());
        }
        ApplyStyle(w, row);
        if (row.style.hidden)
            w->hide();
        byName[row.name] = w;
    }
    FitTexts(*form);
}

} // namespace platform
