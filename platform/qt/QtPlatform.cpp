#include "QtPlatform.h"

#include "Resources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace platform {

QString ToQt(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
    QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString PathToQt(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathFromQt(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString QtFilter(const std::string& filter) {
    // "Desc|pattern|Desc2|pattern2" -> "Desc (pattern pattern-in-other-case);;..."
    QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& v : {p.toLower(), p.toUpper()})
                if (!patterns.contains(v))
                    patterns << v;
        }
        qsizetype paren = desc.indexOf(QLatin1Char('('));
        if (paren >= 0)
            desc = desc.left(paren).trimmed();
        out << QStringLiteral("%1 (%2)").arg(desc, patterns.join(QLatin1Char(' ')));
    }
    if (out.isEmpty())
        return QString();
    return out.join(QStringLiteral(";;"));
}

namespace {

QString WithDefaultExt(QString path, const std::string& defaultExt) {
    if (path.isEmpty() || defaultExt.empty())
        return path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + ToQt(defaultExt);
    return path;
}

// The text of a message box where a run of it is wider than the box: it wraps between words
// where it can and inside the run where it must. It looks and selects as the box's own label.
class MessageText : public QTextEdit {
public:
    MessageText(const QLabel& label, QWidget* parent) : QTextEdit(parent) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        viewport()->setAutoFillBackground(false);
        QPalette colors = label.palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            colors.setBrush(group, QPalette::Text, colors.brush(group, label.foregroundRole()));
        setPalette(colors);
        setFont(label.font());
        setReadOnly(true);
        setTextInteractionFlags(label.textInteractionFlags());
        setFocusPolicy(label.focusPolicy());
        const int margin = label.margin();
        setContentsMargins(label.contentsMargins() + QMargins(margin, margin, margin, margin));
        document()->setDocumentMargin(0);
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        if (label.textFormat() == Qt::RichText ||
            (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text())))
            setHtml(label.text());
        else
            setPlainText(label.text());
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const QMargins margins = contentsMargins();
        std::unique_ptr<QTextDocument> laidOut(document()->clone());
        laidOut->setTextWidth(width - margins.left() - margins.right());
        return static_cast<int>(std::ceil(laidOut->size().height())) + margins.top() + margins.bottom();
    }
    QSize minimumSizeHint() const override { return QSize(fontMetrics().maxWidth(), fontMetrics().height()); }
    QSize sizeHint() const override {
        const int width = std::max(this->width(), minimumSizeHint().width());
        return QSize(width, heightForWidth(width));
    }
};

// A message box that, once sized, swaps its label for a MessageText when a run of the text
// (a path without spaces) is wider than the label: the label would cut it at its right edge.
// The label keeps the text, so what the box copies stays the same.
class WrappingMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        auto* grid = qobject_cast<QGridLayout*>(layout());
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (grid == nullptr || label == nullptr)
            return;
        if (text_ == nullptr) {
            const int index = grid->indexOf(label);
            if (index < 0 || label->isHidden() || label->minimumSizeHint().width() <= label->width())
                return;
            int row = 0;
            int column = 0;
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            text_ = new MessageText(*label, this);
            label->hide();
            grid->addWidget(text_, row, column, rowSpan, columnSpan);
            text_->show();
            grid->activate();
            // The width the box gives any text too long for one line: half the screen, at
            // most 500 pixels; never wider than the box chose.
            const int wrapWidth = std::min(screen()->availableGeometry().width() / 2, 500);
            width_ = std::min(width(), std::max(wrapWidth, grid->totalMinimumSize().width()));
        }
        grid->activate();
        setFixedSize(width_, grid->totalHeightForWidth(width_));
    }

private:
    MessageText* text_ = nullptr;
    int width_ = 0;
};

std::string RunDialog(const FileDialogRequest& r, bool save) {
    QFileDialog* d = MakeFileDialog(r, save);
    std::string result;
    if (d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty())
        result = PathFromQt(WithDefaultExt(d->selectedFiles().first(), r.defaultExt));
    delete d;
    return result;
}

} // namespace

QFileDialog* MakeFileDialog(const FileDialogRequest& r, bool save) {
    auto* d = new QFileDialog(QApplication::activeWindow());
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!r.title.empty())
        d->setWindowTitle(ToQt(r.title));
    d->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(save ? QFileDialog::AnyFile
                        : (r.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    QString filter = QtFilter(r.filter);
    if (!filter.isEmpty())
        d->setNameFilter(filter);
    if (!r.defaultExt.empty())
        d->setDefaultSuffix(ToQt(r.defaultExt));
    if (!r.initialDir.empty())
        d->setDirectory(PathToQt(r.initialDir));
    if (!r.fileName.empty())
        d->selectFile(PathToQt(r.fileName));
    if (save && !r.askOverwrite)
        d->setOption(QFileDialog::DontConfirmOverwrite, true);
    return d;
}

QMessageBox* MakeMessageBox(const std::string& text, const std::string& caption, Icon icon, Buttons buttons) {
    auto* box = new WrappingMessageBox(QApplication::activeWindow());
    box->setText(ToQt(text));
    box->setWindowTitle(ToQt(caption));
    switch (icon) {
    case Icon::None:
        box->setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box->setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box->setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
    case Icon::Stop:
        box->setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box->setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel:
        box->setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    return box;
}

QtPlatform::QtPlatform() : previous_(Install(this)) {}

QtPlatform::~QtPlatform() {
    Install(previous_);
}

Button QtPlatform::MessageBox(const std::string& text, const std::string& caption, Icon icon,
                              Buttons buttons) {
    std::unique_ptr<QMessageBox> box(MakeMessageBox(text, caption, icon, buttons));
    switch (box->exec()) {
    case QMessageBox::Ok:
        return Button::Ok;
    case QMessageBox::Yes:
        return Button::Yes;
    case QMessageBox::No:
        return Button::No;
    case QMessageBox::Retry:
        return Button::Retry;
    default:
        return Button::Cancel;
    }
}

std::string QtPlatform::OpenFileDialog(const FileDialogRequest& request) {
    return RunDialog(request, false);
}

std::string QtPlatform::SaveFileDialog(const FileDialogRequest& request) {
    return RunDialog(request, true);
}

void QtPlatform::Beep() {
    QApplication::beep();
}

bool QtPlatform::IsCtrlHeld() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

std::string QtPlatform::ProgramFolder() {
    std::string dir = PathFromQt(QCoreApplication::applicationDirPath());
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string QtPlatform::ProgramPath() {
    return PathFromQt(QCoreApplication::applicationFilePath());
}

void QtPlatform::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::optional<std::string> QtPlatform::ReadResource(const std::string& name) {
    return ReadResourceBytes(name);
}

void QtPlatform::Fatal(const std::string& text) {
    MessageBox(text, "Assertion failed", Icon::Error, Buttons::Ok);
    std::exit(3);
}

} // namespace platform
