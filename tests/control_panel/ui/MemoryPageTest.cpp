// The Memory page against the simulated board: random access, sequential transfers
// between files and memory, the progress window and its Abort.
#include "control_panel/PageFixture.h"

#include "control_panel/ui/DialogProgress.h"
#include "control_panel/ui/MemoryDialog.h"
#include "platform/FileWrite.h"
#include "platform/qt/FormBuilder.h"
#include "support/TextInk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <numeric>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Points inside the bar's buttons: "Write" and "Read" (64 x 17), the two wide ones (161 x 14).
constexpr QPoint kOverWrite{210, 95};
constexpr QPoint kOverRead{310, 95};
constexpr QPoint kOverWriteFile{250, 170};
constexpr QPoint kOverReadFile{250, 247};

class MemoryPage : public PageTest {
protected:
    void SetUp() override {
        Connect();
        page.AttachLink(&link);
    }

    void Press(QPoint at) { Click(page, at.x(), at.y()); }
    void Type(const char* field, const char* text) {
        platform::Component<QLineEdit>(&page, field)->setText(QString::fromLatin1(text));
    }
    std::string Text(const char* field) {
        return platform::Component<QLineEdit>(&page, field)->text().toStdString();
    }
    void Check(const char* box) { platform::Component<QCheckBox>(&page, box)->setChecked(true); }
    std::string ReadBack(uint32_t address, uint32_t n) {
        std::string bytes(n, '\0');
        EXPECT_TRUE(link.ReadMemory(MEMORY_ID_SDRAM, address, reinterpret_cast<uint8_t*>(bytes.data()), n));
        return bytes;
    }
    void ExpectStatus(const std::string& text, uint32_t color) {
        EXPECT_EQ(page.Status().Text(), text);
        EXPECT_EQ(page.Status().Color(), color);
    }
    void ExpectBox(const std::string& text) {
        ASSERT_EQ(seam.Boxes().size(), 1u);
        EXPECT_EQ(seam.Boxes()[0].text, text);
        EXPECT_EQ(seam.Boxes()[0].caption, "Error");
        EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Error);
        EXPECT_EQ(seam.Boxes()[0].buttons, platform::Buttons::Ok);
    }

    CMemoryDialog page{services};
};

TEST_F(MemoryPage, OffersTheSdramAndItsButtonsOnlyWithAnOpenLink) {
    EXPECT_EQ(platform::Component<QComboBox>(&page, "MemoryList")->itemText(0).toStdString(),
              "SDRAM (4000000h Bytes,64MB)");
    EXPECT_TRUE(page.Bar().Find(3)->m_bEnabled);
    page.DetachLink();
    EXPECT_FALSE(page.Bar().Find(0)->m_bEnabled);
    Press(kOverRead);
    EXPECT_TRUE(Requests().empty());
    ExpectStatus("", STATUS_GREEN);
}

TEST_F(MemoryPage, EveryCaptionIsWhole) {
    // The check boxes' texts by their ink, where the style writes them.
    EXPECT_TRUE(testsupport::TextsShowWhole(page, 10));
    for (QLabel* label : page.findChildren<QLabel*>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
    // The bar's captions stay on their buttons: beside each button the page shows its
    // background picture untouched.
    const QImage shot = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage background = PanelBitmap(181).convertToFormat(QImage::Format_RGB32);
    for (int id = 0; id < 4; ++id) {
        const PanelRect r = page.Bar().Find(id)->Rect();
        int spilt = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int dx = 1; dx <= 8; ++dx)
                for (int x : {r.left - dx, r.right - 1 + dx})
                    spilt += shot.pixel(x, y) != background.pixel(x, y);
        EXPECT_EQ(spilt, 0) << page.Bar().Find(id)->m_sCaption;
    }
}

// Dark pixels inside the box's indicator, its outline left out.
int DarkInsideIndicator(QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    const QRect indicator =
        box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box).adjusted(2, 2, -2, -2);
    const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int y = indicator.top(); y <= indicator.bottom(); ++y)
        for (int x = indicator.left(); x <= indicator.right(); ++x)
            dark += qGray(shot.pixel(x, y)) < 96;
    return dark;
}

TEST_F(MemoryPage, ATickedBoxShowsItsTick) {
    for (const char* name : {"FileLength", "EntireMemory"}) {
        auto* box = platform::Component<QCheckBox>(&page, name);
        box->setChecked(false);
        EXPECT_EQ(DarkInsideIndicator(*box), 0) << name;
        box->setChecked(true);
        EXPECT_GE(DarkInsideIndicator(*box), 6) << name;
        // The caption keeps the page's white.
        EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(Qt::white)) << name;
    }
}

TEST_F(MemoryPage, RandomAccessAtTheLastAddress) {
    Type("RandomAddress", "3FFFFFF");
    Type("WriteData", "A5");
    Press(kOverWrite);
    ExpectStatus("SDRAM Random Write Success", STATUS_GREEN);
    Press(kOverRead);
    ExpectStatus("SDRAM Random Read Success", STATUS_GREEN);
    EXPECT_EQ(Text("ReadData"), "A5");
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              "AA 0C 06 00 05 FF FF FF 03 A5 BC 55",
                              "AA 0D 09 00 05 FF FF FF 03 01 00 00 00 1C 55",
                          }));
    EXPECT_TRUE(page.Bar().Find(1)->m_bEnabled);
    EXPECT_TRUE(seam.Boxes().empty());
    SaveScreenshot(page, "lumastat-memory");
}

TEST_F(MemoryPage, AnAddressBeyondTheMemoryIsRefused) {
    Type("RandomAddress", "4000000");
    Type("ReadData", "3C");
    Press(kOverRead);
    ExpectBox("Address(4000000h) exceeds the memory size(4000000h)!");
    ExpectStatus("SDRAM Random Read Fail", STATUS_RED);
    EXPECT_EQ(Text("ReadData"), "3C");
    // FFFFFFFF reads as 7FFFFFFF.
    seam.ClearRecords();
    Type("RandomAddress", "FFFFFFFF");
    Press(kOverWrite);
    ExpectBox("Address(7fffffffh) exceeds the memory size(4000000h)!");
    ExpectStatus("SDRAM Random Write Fail", STATUS_RED);
    EXPECT_TRUE(Requests().empty());
}

TEST_F(MemoryPage, ReadsIntoHexTextOrRawBytesByTheFilesExtension) {
    const uint8_t bytes[] = {0x0A, 0xFF, 0x00};
    ASSERT_TRUE(link.WriteMemory(MEMORY_ID_SDRAM, 0x100, bytes, 3));
    Type("ReadAddress", "100");
    Type("ReadLength", "3");
    seam.AnswerFile(temp.File("x.hex"));
    Press(kOverReadFile);
    EXPECT_EQ(testsupport::ReadFile(temp.File("x.hex")), "0AFF00");
    ExpectStatus("SDRAM Sequentail Read Success", STATUS_GREEN);
    seam.AnswerFile(temp.File("x.bin"));
    Press(kOverReadFile);
    EXPECT_EQ(testsupport::ReadFile(temp.File("x.bin")), std::string("\x0A\xFF\x00", 3));

    ASSERT_EQ(seam.FileDialogs().size(), 2u);
    const platform::testing::ShownFileDialog& dialog = seam.FileDialogs()[0];
    EXPECT_TRUE(dialog.save);
    EXPECT_TRUE(dialog.request.askOverwrite);
    EXPECT_EQ(dialog.request.filter, "Hex Files (*.HEX)|*.HEX|All Files (*.*)|*.*");
    EXPECT_EQ(dialog.request.fileName, "*.*");
    // The main dialog's buttons were off around each transfer.
    EXPECT_EQ(services.enables, (std::vector<bool>{false, true, false, true}));
}

TEST_F(MemoryPage, WritesAHexFileAndShowsItsByteCount) {
    // Pairs 0A, zz and " 7"; a last odd character is left out.
    for (const char* text : {"0Azz 7", "0Azz 71"}) {
        testsupport::WriteFile(temp.File("in.HEX"), text);
        Check("FileLength");
        Type("WriteAddress", "200");
        ASSERT_TRUE(
            link.WriteMemory(MEMORY_ID_SDRAM, 0x200, reinterpret_cast<const uint8_t*>("\xFF\xFF\xFF"), 3));
        seam.AnswerFile(temp.File("in.HEX"));
        Press(kOverWriteFile);
        ExpectStatus("SDRAM Sequential Write Success", STATUS_GREEN);
        EXPECT_EQ(Text("WriteLength"), "00000003");
        EXPECT_EQ(ReadBack(0x200, 3), std::string("\x0A\x00\x07", 3)) << text;
    }
    ASSERT_EQ(seam.FileDialogs().size(), 2u);
    EXPECT_FALSE(seam.FileDialogs()[0].save);
    EXPECT_TRUE(seam.FileDialogs()[0].request.mustExist);
}

TEST_F(MemoryPage, BothFileDialogsOpenWhereTheLastFileWasChosen) {
    std::filesystem::create_directory(temp.File("dumps"));
    Type("ReadLength", "2");
    seam.AnswerFile(temp.File("dumps/a.bin"));
    Press(kOverReadFile);
    ExpectStatus("SDRAM Sequentail Read Success", STATUS_GREEN);
    Check("FileLength");
    seam.CancelFile();
    Press(kOverWriteFile);
    seam.AnswerFile(temp.File("b.bin"));
    testsupport::WriteFile(temp.File("b.bin"), "xy");
    Press(kOverWriteFile);
    seam.CancelFile();
    Press(kOverReadFile);
    std::vector<std::string> folders;
    for (const platform::testing::ShownFileDialog& dialog : seam.FileDialogs())
        folders.push_back(dialog.request.initialDir);
    // A cancelled dialog moves nothing.
    EXPECT_EQ(folders, (std::vector<std::string>{"", temp.Folder() + "dumps/", temp.Folder() + "dumps/",
                                                 temp.Folder()}));
}

TEST_F(MemoryPage, ALengthLongerThanTheFileWritesTheFile) {
    testsupport::WriteFile(temp.File("four.bin"), "\x01\x02\x03\x04");
    Type("WriteLength", "10");
    Type("WriteAddress", "300");
    seam.AnswerFile(temp.File("four.bin"));
    Press(kOverWriteFile);
    ExpectStatus("SDRAM Sequential Write Success", STATUS_GREEN);
    // Below 40 bytes every step moves one byte.
    EXPECT_EQ(Requests().size(), 4u);
    EXPECT_EQ(ReadBack(0x300, 5), std::string("\x01\x02\x03\x04\x00", 5));
    EXPECT_EQ(Text("WriteLength"), "10");
}

TEST_F(MemoryPage, AnEmptyFileWithFileLengthSucceedsWithoutAFrame) {
    testsupport::WriteFile(temp.File("empty.bin"), "");
    Check("FileLength");
    Type("WriteLength", "55");
    seam.AnswerFile(temp.File("empty.bin"));
    Press(kOverWriteFile);
    ExpectStatus("SDRAM Sequential Write Success", STATUS_GREEN);
    EXPECT_EQ(Text("WriteLength"), "00000000");
    EXPECT_TRUE(Requests().empty());
}

TEST_F(MemoryPage, MissingLengthsAndCancelledDialogsLeaveTheStatusAlone) {
    Press(kOverWriteFile);
    ExpectBox("Please specify the write 'Length' or check the 'File Length' check box.");
    seam.ClearRecords();
    Press(kOverReadFile);
    ExpectBox("Please specify the read 'Length' or check the 'Entire Memory' check box.");
    EXPECT_TRUE(seam.FileDialogs().empty());
    ExpectStatus("", STATUS_GREEN);

    Check("FileLength");
    Check("EntireMemory");
    seam.CancelFile();
    Press(kOverWriteFile);
    seam.CancelFile();
    Press(kOverReadFile);
    EXPECT_EQ(seam.FileDialogs().size(), 2u);
    ExpectStatus("", STATUS_GREEN);
    EXPECT_TRUE(Requests().empty());
}

TEST_F(MemoryPage, RangesBeyondTheMemoryAreRefusedWithoutWrapping) {
    Check("EntireMemory");
    Type("ReadAddress", "1");
    seam.AnswerFile(temp.File("whole.bin"));
    Press(kOverReadFile);
    ExpectBox("Memory address (4000001h) exceeds the memory size(4000000h)!");
    ExpectStatus("SDRAM Sequentail Read Fail", STATUS_RED);
    EXPECT_FALSE(std::filesystem::exists(temp.File("whole.bin")));

    // 7FFFFFFF + 2 and a file of 4 GiB are far beyond the end, not wrapped back into range.
    seam.ClearRecords();
    testsupport::WriteFile(temp.File("two.bin"), "ab");
    Check("FileLength");
    Type("WriteAddress", "FFFFFFFF");
    seam.AnswerFile(temp.File("two.bin"));
    Press(kOverWriteFile);
    ExpectBox("Memory address (80000001h) exceeds the memory size(4000000h)!");
    ExpectStatus("SDRAM Sequential Write Fail", STATUS_RED);

    seam.ClearRecords();
    testsupport::WriteFile(temp.File("huge.bin"), "");
    std::filesystem::resize_file(temp.File("huge.bin"), uint64_t{1} << 32);
    Type("WriteAddress", "0");
    seam.AnswerFile(temp.File("huge.bin"));
    Press(kOverWriteFile);
    ExpectBox("Memory address (100000000h) exceeds the memory size(4000000h)!");
    EXPECT_TRUE(Requests().empty());
}

ssize_t FullDisk(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

std::set<std::string> NamesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST_F(MemoryPage, ADumpThatCannotBeWrittenFailsQuietlyAndKeepsWhatWasThere) {
    std::filesystem::create_directory(temp.File("folder.bin"));
    ASSERT_EQ(::mkfifo(temp.File("pipe.bin").c_str(), 0644), 0);
    // A reader holds the pipe open, so a save that opened it would not wait: its bytes
    // would arrive here.
    const int reader = ::open(temp.File("pipe.bin").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    testsupport::WriteFile(temp.File("old.bin"), "old dump");
    const std::set<std::string> before = NamesIn(temp.Path());
    struct Case {
        const char* name;
        platform::WriteFunction write; // nullptr: the system's
        std::size_t frames;            // read before the file refuses the bytes
    };
    // A target that cannot take a dump fails before the board is read; a disk that
    // fills up is only found once the memory has been read, a byte a step.
    for (const Case& c : {Case{"pipe.bin", nullptr, 0}, Case{"folder.bin", nullptr, 0},
                          Case{"missing/new.bin", nullptr, 0}, Case{"old.bin", &FullDisk, 3}}) {
        SCOPED_TRACE(c.name);
        seam.ClearRecords();
        const std::size_t sent = Requests().size();
        Type("ReadLength", "3");
        seam.AnswerFile(temp.File(c.name));
        const platform::WriteFunction previous = platform::SetWriteFunction(c.write);
        Press(kOverReadFile);
        platform::SetWriteFunction(previous);
        ExpectStatus("SDRAM Sequentail Read Fail", STATUS_RED);
        EXPECT_TRUE(seam.Boxes().empty());
        EXPECT_EQ(Requests().size() - sent, c.frames);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(temp.File("pipe.bin")));
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_TRUE(std::filesystem::is_empty(temp.File("folder.bin")));
    EXPECT_EQ(testsupport::ReadFile(temp.File("old.bin")), "old dump");
    // No temporary file stays beside them.
    EXPECT_EQ(NamesIn(temp.Path()), before);
}

TEST_F(MemoryPage, TheWholeMemoryGoesToAFileAndBackIn21Steps) {
    // The board logs no frames on a connection opened without a log.
    ScopedEnv quiet("BOARDSIM_LOG", std::nullopt);
    link.Close();
    Connect();
    std::string image(0x4000000, '\0');
    std::iota(image.begin(), image.end(), char{3});
    image[0x3FFFFFF] = '\x5A';
    testsupport::WriteFile(temp.File("image.bin"), image);
    // Between the steps the main dialog's buttons and the page's are off and the
    // progress window is up.
    int steps = 0;
    seam.SetOnProcessEvents([&] {
        ++steps;
        EXPECT_EQ(services.enables.back(), false);
        EXPECT_FALSE(page.Bar().Find(0)->m_bEnabled);
        auto* progress = page.findChild<CDialogProgress*>();
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
    });
    Check("FileLength");
    seam.AnswerFile(temp.File("image.bin"));
    Press(kOverWriteFile);
    ExpectStatus("SDRAM Sequential Write Success", STATUS_GREEN);
    EXPECT_EQ(Text("WriteLength"), "04000000");
    EXPECT_EQ(steps, 21);

    Check("EntireMemory");
    seam.AnswerFile(temp.File("back.bin"));
    Press(kOverReadFile);
    ExpectStatus("SDRAM Sequentail Read Success", STATUS_GREEN);
    EXPECT_EQ(steps, 42);
    EXPECT_TRUE(testsupport::ReadFile(temp.File("back.bin")) == image);
    EXPECT_EQ(services.enables, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(page.Bar().Find(0)->m_bEnabled);
    EXPECT_EQ(page.findChild<CDialogProgress*>(), nullptr);
}

TEST_F(MemoryPage, AbortEndsInFailureAndWritesNoFile) {
    testsupport::WriteFile(temp.File("keep.bin"), "old");
    Type("ReadLength", "1000");
    int steps = 0;
    seam.SetOnProcessEvents([&] {
        if (++steps % 2 == 0)
            platform::Component<QPushButton>(page.findChild<CDialogProgress*>(), "AbortButton")->click();
    });
    seam.AnswerFile(temp.File("keep.bin"));
    Press(kOverReadFile);
    ExpectStatus("SDRAM Sequentail Read Fail", STATUS_RED);
    EXPECT_EQ(testsupport::ReadFile(temp.File("keep.bin")), "old");
    seam.AnswerFile(temp.File("new.hex"));
    Press(kOverReadFile);
    ExpectStatus("SDRAM Sequentail Read Fail", STATUS_RED);
    EXPECT_FALSE(std::filesystem::exists(temp.File("new.hex")));
    // Two steps each time, then the abort is seen.
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              "AA 0D 09 00 05 00 00 00 00 CC 00 00 00 E7 55",
                              "AA 0D 09 00 05 CC 00 00 00 CC 00 00 00 B3 55",
                              "AA 0D 09 00 05 00 00 00 00 CC 00 00 00 E7 55",
                              "AA 0D 09 00 05 CC 00 00 00 CC 00 00 00 B3 55",
                          }));
    EXPECT_EQ(services.enables, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(page.Bar().Find(2)->m_bEnabled);
}

} // namespace
