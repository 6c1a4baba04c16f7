#include "QtPlatform.h"

#include "Resources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>

#include <cstdlib>

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

QtPlatform::QtPlatform() : previous_(Install(this)) {}

QtPlatform::~QtPlatform() {
    Install(previous_);
}

Button QtPlatform::MessageBox(const std::string& text, const std::string& caption, Icon icon,
                              Buttons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setText(ToQt(text));
    box.setWindowTitle(ToQt(caption));
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
    case Icon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
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
