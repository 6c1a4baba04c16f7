#include "platform/qt/QtPlatform.h"
#include "platform/Text.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Jpeg.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "support/RerunInFolder.h"
#include "support/TempDir.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <utility>

using namespace platform;

TEST(Numbers, PrintedInTheCLocaleUnderAGermanLocale) {
    // The test main runs under de_DE and has created the QApplication.
    EXPECT_EQ(Format("%f MHz", 50.0), "50.000000 MHz");
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1fmg", 1000.0);
    EXPECT_STREQ(buffer, "1000.0mg");
}

TEST(Resources, FoundByNameInAnyLetterCase) {
    EXPECT_TRUE(ReadResourceBytes("sample_text").has_value());
    EXPECT_EQ(*ReadResourceBytes("SAMPLE_TEXT"), "module sample;\nendmodule\n");
    EXPECT_FALSE(ReadResourceBytes("NO_SUCH_RESOURCE").has_value());
    QImage png = LoadPicture("test_png");
    EXPECT_EQ(png.size(), QSize(16, 8));
}

TEST(Jpeg, OurPictureDecodesToItsSizeAndColour) {
    std::optional<std::string> bytes = ReadResourceBytes("TEST_JPEG");
    ASSERT_TRUE(bytes.has_value());
    QImage image = DecodeJpeg(*bytes);
    ASSERT_EQ(image.size(), QSize(40, 30));
    QColor c = image.pixelColor(20, 15);
    EXPECT_NEAR(c.red(), 200, 6);
    EXPECT_NEAR(c.green(), 40, 6);
    EXPECT_NEAR(c.blue(), 40, 6);
    EXPECT_TRUE(DecodeJpeg("not a jpeg").isNull());
}

TEST(Colours, BgrIntegersAsLayoutsAndRecordsGiveThem) {
    EXPECT_EQ(FromBgr(15591915), QColor(0xEB, 0xE9, 0xED));
    EXPECT_EQ(FromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(FromBgr(0x00FFFF), QColor(255, 255, 0));
}

namespace {
constexpr LayoutRow kLayout[] = {
    {"FormSample", Kind::Form, nullptr, 0, 0, 300, 200, "Sample", {.color = 15591915}},
    {"Panel1", Kind::Panel, nullptr, 8, 64, 290, 120, nullptr},
    {"LabelName", Kind::Label, "Panel1", 8, 8, 280, 29, "Dunmir FPGA Board", {.fontPx = 24, .bold = true}},
    {"ShapeLED", Kind::Shape, "Panel1", 20, 40, 60, 13, nullptr, {.penColor = 0x00FFFF, .penWidth = 3}},
    {"EditProjectName", Kind::Edit, nullptr, 16, 56, 120, 28, nullptr, {.maxLength = 127}},
    {"CheckBoxLED", Kind::CheckBox, nullptr, 16, 130, 100, 20, "LED x 10"},
    {"ButtonGen", Kind::Button, nullptr, 150, 160, 100, 35, "Generate", {.handCursor = true}},
};
} // namespace

TEST(FormBuilder, BuildsNamedWidgetsWithTheTablesGeometry) {
    QWidget form;
    BuildForm(&form, kLayout);
    EXPECT_EQ(form.objectName(), "FormSample");
    EXPECT_EQ(form.windowTitle(), "Sample");
    EXPECT_EQ(form.size(), QSize(300, 200));

    auto* label = Component<QLabel>(&form, "LabelName");
    EXPECT_EQ(label->text(), "Dunmir FPGA Board");
    EXPECT_EQ(label->geometry(), QRect(8, 8, 280, 29));
    EXPECT_EQ(label->parentWidget()->objectName(), "Panel1");
    EXPECT_TRUE(label->font().bold());

    auto* edit = Component<QLineEdit>(&form, "EditProjectName");
    EXPECT_EQ(edit->maxLength(), 127);
    EXPECT_EQ(edit->geometry(), QRect(16, 56, 120, 28));

    auto* shape = Component<OutlineShape>(&form, "ShapeLED");
    EXPECT_EQ(shape->PenColor(), QColor(255, 255, 0));
    EXPECT_EQ(shape->PenWidth(), 3);
    EXPECT_EQ(Component<QCheckBox>(&form, "CheckBoxLED")->text(), "LED x 10");
    EXPECT_EQ(Component<QPushButton>(&form, "ButtonGen")->text(), "Generate");
}

TEST(FormBuilder, EditLimitsCountBytesAndCutOnlyWholeCharacters) {
    QWidget form;
    BuildForm(&form, kLayout);
    auto* edit = Component<QLineEdit>(&form, "EditProjectName");
    const QString e(QChar(0xE9));                           // two bytes
    const QString smile = QString::fromUcs4(U"\U0001F600"); // four bytes, two code units

    edit->setText(e.repeated(100));
    EXPECT_EQ(edit->text(), e.repeated(63)); // 126 bytes
    edit->insert(e);                         // would make 128: refused
    EXPECT_EQ(edit->text(), e.repeated(63));
    edit->insert(QStringLiteral("ab")); // only "a" fits
    EXPECT_EQ(edit->text(), e.repeated(63) + "a");

    // A paste in the middle keeps what fits of it, and the text after the cursor.
    edit->setText(QString(120, QChar('x')));
    edit->setCursorPosition(10);
    edit->insert(QStringLiteral("12345678") + e);
    EXPECT_EQ(edit->text(), QString(10, QChar('x')) + "1234567" + QString(110, QChar('x')));

    edit->setText(smile.repeated(40));
    EXPECT_EQ(edit->text(), smile.repeated(31)); // 124 bytes, no half of a pair
    EXPECT_EQ(FromQt(edit->text()).size(), 124u);
}

TEST(QtTexts, TextsAndPathsConvertAsUtf8NotLatin1) {
    const std::string bytes = "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC";
    const QString text = QStringLiteral("caf") + QChar(0xE9) + QChar(' ') + QChar(0x65E5) + QChar(0x672C);
    EXPECT_EQ(ToQt(bytes), text);
    EXPECT_EQ(FromQt(text), bytes);
    EXPECT_EQ(PathToQt(bytes), text);
    EXPECT_EQ(PathFromQt(text), bytes);

    // A folder made from bytes is the folder Qt and its file dialog see.
    testsupport::TempDir dir;
    const std::string folder = dir.File("d\xC3\xB6");
    std::filesystem::create_directory(folder);
    EXPECT_TRUE(QDir(PathToQt(folder)).exists());
    FileDialogRequest request;
    request.initialDir = folder;
    request.fileName = bytes + ".qpf";
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(request, true));
    EXPECT_EQ(PathFromQt(dialog->directory().absolutePath()), folder);
}

// What a text control gives back of bytes it was given: the logic predicts it without Qt.
TEST(QtTexts, ReencodingPredictsATextControlsRoundTrip) {
    const auto throughQt = [](const std::string& bytes) { return FromQt(ToQt(bytes)); };
    const std::string bad = "\xEF\xBF\xBD"; // U+FFFD
    const std::pair<std::string, std::string> cases[] = {
        {"plain_1", "plain_1"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},
        {"\xFF\xFE"
         "a",
         bad + bad + "a"}, // no UTF-8 at all
        {"\xE2\x82"
         "a",
         bad + bad + "a"},                           // a sequence cut short
        {"\xC0\xAF", bad + bad},                     // an overlong form
        {"\xED\xA0\x80", bad + bad + bad},           // a surrogate
        {"\xF4\x90\x80\x80", bad + bad + bad + bad}, // above U+10FFFF
        {"\xEF\xBB\xBF"
         "a\xEF\xBB\xBF",
         "a\xEF\xBB\xBF"}, // only a leading byte-order mark goes
    };
    for (const auto& [in, expected] : cases) {
        EXPECT_EQ(ReencodeUtf8(in), expected);
        EXPECT_EQ(throughQt(in), expected);
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 20000; ++i) {
        std::string bytes(1 + rng() % 8, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng() % 2 ? 0x80 + rng() % 0x80 : 1 + rng() % 0xFF);
        ASSERT_EQ(ReencodeUtf8(bytes), throughQt(bytes));
    }
}

TEST(QtPlatform, TheProgramFolderAsTheFileSystemNamesIt) {
    const std::string folderName = "prog-\xC3\xA9";
    if (!testsupport::InRerun()) {
        testsupport::TempDir dir;
        std::filesystem::create_directory(dir.File(folderName));
        EXPECT_TRUE(testsupport::RerunInFolder(dir.File(folderName), "program"));
        return;
    }
    QtPlatform qt;
    const std::string folder = qt.ProgramFolder();
    EXPECT_EQ(folder.substr(folder.size() - folderName.size() - 2), "/" + folderName + "/");
    EXPECT_EQ(qt.ProgramPath(), folder + "program");
    EXPECT_TRUE(std::filesystem::exists(qt.ProgramPath()));
}

TEST(FormBuilder, ADropDownListOpensWideEnoughForItsLongestItem) {
    constexpr LayoutRow kCombo[] = {
        {"FormSample", Kind::Form, nullptr, 0, 0, 300, 200, nullptr},
        {"ComboBoxGpio", Kind::ComboBox, nullptr, 16, 16, 60, 28, nullptr},
    };
    // Both the styles Qt brings: with either, a short box cut the card names in its list.
    for (const char* styleName : {"Fusion", "Windows"}) {
        SCOPED_TRACE(styleName);
        std::unique_ptr<QStyle> style(QStyleFactory::create(QString::fromLatin1(styleName)));
        ASSERT_NE(style, nullptr);
        QWidget form;
        BuildForm(&form, kCombo);
        auto* combo = Component<QComboBox>(&form, "ComboBoxGpio");
        combo->setStyle(style.get());
        combo->view()->setStyle(style.get());
        combo->addItem(QStringLiteral("None"));
        for (int i = 0; i < 12; ++i)
            combo->addItem(QStringLiteral("Card %1").arg(i));
        combo->addItem(QStringLiteral("Kappel to HSMC loopback card with a long name"));
        form.show();
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, list->sizeHintForIndex(combo->model()->index(i, 0)).width());
        EXPECT_GE(list->viewport()->width(), widest);
        combo->hidePopup();
        // The closed box keeps the width of its layout.
        EXPECT_EQ(combo->width(), 60);
    }
}

namespace {

// The one widget of a shown box that shows the text, and whether all of it fits in it: no run
// of the text wider than the widget, no line below its bottom.
::testing::AssertionResult ShowsWhole(const QMessageBox& box, const QString& text) {
    std::vector<QWidget*> shown;
    for (QLabel* label : box.findChildren<QLabel*>())
        if (label->isVisible() && label->text() == text)
            shown.push_back(label);
    for (QTextEdit* edit : box.findChildren<QTextEdit*>())
        if (edit->isVisible() &&
            edit->toPlainText() == QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
            shown.push_back(edit);
    if (shown.size() != 1)
        return ::testing::AssertionFailure() << shown.size() << " widgets show the text";
    int needWidth = 0;
    int needHeight = 0;
    QSize has = shown[0]->size();
    if (auto* label = qobject_cast<QLabel*>(shown[0])) {
        needWidth = label->minimumSizeHint().width();
        needHeight = label->heightForWidth(label->width());
    } else {
        auto* edit = static_cast<QTextEdit*>(shown[0]);
        has = edit->viewport()->size();
        needWidth = static_cast<int>(std::ceil(edit->document()->idealWidth()));
        needHeight = static_cast<int>(std::ceil(edit->document()->size().height()));
    }
    if (needWidth > has.width() || needHeight > has.height())
        return ::testing::AssertionFailure() << "the text needs " << needWidth << " x " << needHeight
                                             << " and has " << has.width() << " x " << has.height();
    return ::testing::AssertionSuccess();
}

} // namespace

// A project folder whose name has no spaces: the box wraps inside the name, keeps the text as
// given, and stays narrower than the screen.
TEST(QtMessageBox, ALongPathWithoutSpacesWrapsSoThatTheWholeTextShows) {
    const std::string path = "/home/user/" + std::string(280, 'p') + "/CodeGen/";
    ASSERT_EQ(path.size(), 300u);
    const std::string text =
        "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + path;
    std::unique_ptr<QMessageBox> box(MakeMessageBox(text, "Information", Icon::Information, Buttons::Ok));
    box->show();
    EXPECT_EQ(box->text(), ToQt(text));
    EXPECT_TRUE(ShowsWhole(*box, ToQt(text)));
    const QRect screen = box->screen()->availableGeometry();
    EXPECT_LE(box->frameGeometry().width(), screen.width() * 3 / 4);
    EXPECT_LE(box->frameGeometry().height(), screen.height());
}

// Where every run of the text fits, the box is the one Qt draws.
TEST(QtMessageBox, ABoxWhoseWordsFitIsQtsOwnToThePixel) {
    for (const std::string& text :
         {std::string("Failed to configure FPGA!"),
          "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n/home/"
          "user/projects/" +
              std::string(60, 'p') + "/"}) {
        std::unique_ptr<QMessageBox> box(MakeMessageBox(text, "Information", Icon::Information, Buttons::Ok));
        box->show();
        EXPECT_TRUE(ShowsWhole(*box, ToQt(text)));
        QMessageBox plain;
        plain.setText(ToQt(text));
        plain.setWindowTitle(QStringLiteral("Information"));
        plain.setIcon(QMessageBox::Information);
        plain.setStandardButtons(QMessageBox::Ok);
        plain.show();
        EXPECT_EQ(box->grab().toImage(), plain.grab().toImage()) << text;
    }
}
