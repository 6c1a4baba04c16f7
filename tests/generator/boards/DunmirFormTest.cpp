#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/kit/Generate.h"
#include "boards/kit/NameRules.h"
#include "boards/latest/dunmir/UI_Dunmir.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FifoWatchdog.h"
#include "support/RerunInFolder.h"
#include "support/TempDir.h"
#include "ui/UnitMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::Icon;
using platform::testing::ScriptedPlatform;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;
namespace fs = std::filesystem;

namespace {

const char* const kShapes[] = {"ShapeOSC",       "ShapeVGA",      "ShapeLED",   "ShapeSeg7",
                               "ShapeButton",    "ShapeSwitch",   "ShapeSDRAM", "ShapeAccelerometer",
                               "ShapeArduino_0", "ShapeArduino_1"};

class DunmirForm : public ::testing::Test {
protected:
    DunmirForm() {
        seam.SetProgramFolder(dir.Folder());
        seam.SetProgramPath(dir.File("pinwright"));
    }

    // The main window with the Dunmir form, as the program starts.
    void Start() {
        main = std::make_unique<TFormMain>(nullptr, BoardFormTable());
        form = static_cast<TFormDunmir*>(main->BoardForm(30));
        ASSERT_NE(form, nullptr);
    }

    template <class T> T* Get(const char* name) { return form->findChild<T*>(QString::fromLatin1(name)); }
    QComboBox* Combo() { return Get<QComboBox>("ComboBoxGpio"); }
    void Choose(int item) {
        Combo()->setCurrentIndex(item);
        form->ComboBoxCardChange(0);
    }
    void Click(const char* button) { Get<QPushButton>(button)->click(); }
    std::string Project(const std::string& folder, const std::string& name, const char* ext) {
        return ReadFile(folder + name + ext);
    }

    TempDir dir;
    ScriptedPlatform seam;
    std::unique_ptr<TFormMain> main;
    TFormDunmir* form = nullptr;
};

} // namespace

TEST_F(DunmirForm, FirstStartWithoutDefaultCfg) {
    Start();
    EXPECT_EQ(main->windowTitle(), "Dunmir V1.0.1");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "DUNMIR");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->maxLength(), 127);
    for (QCheckBox* box : form->findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(form->findChildren<QCheckBox*>().size(), 9);
    for (const char* shape : kShapes)
        EXPECT_FALSE(Get<platform::OutlineShape>(shape)->isHidden()) << shape;
    EXPECT_TRUE(Get<platform::OutlineShape>("ShapeGpio")->isHidden());
    EXPECT_EQ(Combo()->currentText(), "None");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "");
    EXPECT_TRUE(Get<platform::PictureBox>("ImageGpio")->isHidden());
    EXPECT_TRUE(Get<QPushButton>("ButtonMainBoardSelect")->isHidden());
    QStringList items;
    for (int i = 0; i < Combo()->count(); ++i)
        items << Combo()->itemText(i);
    EXPECT_EQ(items,
              (QStringList{"None", "GPIO Default", "Kamrel - 5M Pixel Camera", "Spindo - 4.3\" LCD and Touch",
                           "Drovik - Multi-Touch LCD Panel", "Pemrith - 2.4\" LCD and Touch",
                           "Drovik2 - Multi-Touch LCD Panel", "Ebbran - Servo Motor Kit", "Fiskel-GPIO"}));
}

TEST_F(DunmirForm, DefaultRecordBytes) {
    Start();
    SettingsRecord record = form->Logic().NewRecord();
    form->Logic().SetDefaultConfig(record);
    const uint8_t* b = record.data();
    EXPECT_EQ(std::vector<uint8_t>(b, b + 5), (std::vector<uint8_t>{0x10, 0x01, 0x00, 0x00, 0x1E}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 5)), "DUNMIR");
    EXPECT_EQ(std::vector<uint8_t>(b + 133, b + 143), (std::vector<uint8_t>{1, 1, 1, 1, 0, 1, 1, 1, 1, 1}));
    for (std::size_t i = 11; i < 133; ++i)
        EXPECT_EQ(b[i], 0) << i;
    for (std::size_t i = 143; i < 272; ++i)
        EXPECT_EQ(b[i], 0) << i;
}

TEST_F(DunmirForm, GenerateWithTheDefaults) {
    Start();
    const std::string folder = dir.Folder() + "CodeGenerated/DUNMIR/DUNMIR/";
    seam.AnswerFile(folder + "DUNMIR.qpf");
    Click("ButtonGen");
    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_EQ(seam.FileDialogs()[0].request.initialDir, folder);
    EXPECT_EQ(seam.FileDialogs()[0].request.fileName, "DUNMIR.qpf");
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    EXPECT_EQ(seam.Boxes()[0].icon, Icon::Information);
    for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"})
        EXPECT_TRUE(fs::exists(folder + "DUNMIR" + ext)) << ext;

    const std::string qsf = Project(folder, "DUNMIR", ".qsf");
    for (const char* line :
         {"set_global_assignment -name FAMILY \"MAX 10 FPGA\"\r\n",
          "set_global_assignment -name DEVICE 10M50DAF484C7G\r\n",
          "set_global_assignment -name DEVICE_FILTER_PACKAGE FBGA\r\n",
          "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 484\r\n",
          "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7\r\n",
          "set_global_assignment -name SDC_FILE DUNMIR.sdc\r\n",
          "set_instance_assignment -name IO_STANDARD \"3.3 V Schmitt Trigger\" -to KEY[0]\r\n",
          "set_instance_assignment -name IO_STANDARD \"3.3 V Schmitt Trigger\" -to KEY[1]\r\n",
          "set_instance_assignment -name IO_STANDARD \"3.3 V Schmitt Trigger\" -to "
          "ARDUINO_RESET_N\r\n",
          "set_location_assignment PIN_P11 -to MAX10_CLK1_50\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    // Connector banners in order, no GPIO block, and the pin lines counted by standard.
    std::size_t at = 0;
    for (const char* name :
         {"CLOCK", "SDRAM", "SEG7", "KEY", "LED", "SW", "VGA", "Accelerometer", "Arduino"}) {
        std::size_t next = qsf.find(std::string("\r\n# ") + name + "\r\n", at);
        EXPECT_NE(next, std::string::npos) << name;
        at = next;
    }
    EXPECT_EQ(qsf.find("# GPIO"), std::string::npos);
    auto count = [&](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t p = qsf.find(what); p != std::string::npos; p = qsf.find(what, p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("set_location_assignment PIN_"), 149u);
    EXPECT_EQ(count("IO_STANDARD \"3.3-V LVTTL\""), 146u);
    EXPECT_EQ(count("IO_STANDARD \"3.3 V Schmitt Trigger\""), 3u);

    const std::string sdc = Project(folder, "DUNMIR", ".sdc");
    // Sorted before writing: ADC_CLK_10 comes first.
    EXPECT_NE(sdc.find("create_clock -period \"10.0 MHz\" [get_ports ADC_CLK_10]\r\n"
                       "create_clock -period \"50.0 MHz\" [get_ports MAX10_CLK1_50]\r\n"
                       "create_clock -period \"50.0 MHz\" [get_ports MAX10_CLK2_50]\r\n"),
              std::string::npos);
    const std::string v = Project(folder, "DUNMIR", ".v");
    EXPECT_NE(v.find("\tinput \t\t          \t\tADC_CLK_10,\r\n"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "DUNMIR.v", output)) << output;
}

TEST_F(DunmirForm, GpioDefaultWithAPrefix) {
    Start();
    Choose(1);
    Get<QLineEdit>("EditPrefixGpio")->setText("X_");
    EXPECT_FALSE(Get<platform::OutlineShape>("ShapeGpio")->isHidden());
    EXPECT_FALSE(Get<platform::PictureBox>("ImageGpio")->isHidden());
    const std::string folder = dir.Folder() + "out/";
    fs::create_directories(folder);
    form->Read();
    ASSERT_TRUE(kit::GenerateProject(form->Logic(),
                                     form->Logic().RecordToGenerate(form->View(), form->Session().Stored()),
                                     folder + "p.qpf"));
    const std::string qsf = ReadFile(folder + "p.qsf");
    EXPECT_NE(qsf.find("# GPIO, GPIO connect to GPIO Default\r\n"), std::string::npos);
    for (int i = 0; i < 36; ++i)
        EXPECT_NE(qsf.find("IO_STANDARD \"3.3-V LVTTL\" -to X_GPIO[" + std::to_string(i) + "]\r\n"),
                  std::string::npos)
            << i;
    EXPECT_EQ(qsf.find("X_GPIO[36]"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_V10 -to X_GPIO[0]\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AA2 -to X_GPIO[35]\r\n"), std::string::npos);
    const std::string v = ReadFile(folder + "p.v");
    EXPECT_NE(v.find("\tinout \t\t    [35:0]\t\tX_GPIO\r\n"), std::string::npos);
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(folder + "p.v", output)) << output;
}

TEST_F(DunmirForm, GenerateRefusesUnsafeNamesSaveTakesThem) {
    Start();
    struct Case {
        const char* project;
        int card; // item of the GPIO list
        std::string prefix;
        const char* message;
    };
    const std::string longPrefix(115, 'P'); // with "GPIO_CLKIN[0]"-long names beyond 128 bytes
    const Case cases[] = {
        {"", 0, "", "Project Name cannot be empty."},
        {"a/b", 0, "", "Project Name cannot contain '/' or '\\'."},
        {"a\\b", 0, "", "Project Name cannot contain '/' or '\\'."},
        {"..", 0, "", "Project Name cannot be '.' or '..'."},
        {".", 0, "", "Project Name cannot be '.' or '..'."},
        {"say \"hi\"", 0, "", "Project Name cannot contain control characters or '\"'."},
        {"two\r\nlines", 0, "", "Project Name cannot contain control characters or '\"'."},
        {"tab\there", 0, "", "Project Name cannot contain control characters or '\"'."},
        {"ok", 1, "P[1]", "Prefix Name can only contain letters, digits and underscores."},
        {"ok", 1, "a b", "Prefix Name can only contain letters, digits and underscores."},
        {"ok", 1, "1st_", "Prefix Name cannot begin with a digit."},
        {"ok", 2, longPrefix,
         "Prefix Name is too long: with it, pin names of Kamrel - 5M Pixel Camera would be longer than 128 "
         "characters."},
    };
    for (const Case& c : cases) {
        seam.ClearRecords();
        Choose(c.card);
        Get<QLineEdit>("EditProjectName")->setText(QString::fromUtf8(c.project));
        Get<QLineEdit>("EditPrefixGpio")->setText(QString::fromStdString(c.prefix));
        Click("ButtonGen");
        ASSERT_EQ(seam.Boxes().size(), 1u) << c.project;
        EXPECT_EQ(seam.Boxes()[0].text, c.message);
        EXPECT_EQ(seam.Boxes()[0].icon, Icon::Error);
        EXPECT_TRUE(seam.FileDialogs().empty());
        // Save keeps only the board's own rule: a project name is needed, any text passes.
        seam.ClearRecords();
        const std::string cfg = dir.File("saved.cfg");
        fs::remove(cfg);
        const bool named = *c.project != '\0';
        if (named)
            seam.AnswerFile(cfg);
        Click("ButtonSave");
        EXPECT_EQ(seam.Boxes().empty(), named) << c.project;
        EXPECT_EQ(fs::exists(cfg), named) << c.project;
    }
    // With no card the prefix is not used, so it is not checked.
    seam.ClearRecords();
    Choose(0);
    Get<QLineEdit>("EditProjectName")->setText("ok");
    Get<QLineEdit>("EditPrefixGpio")->setText("P[1]");
    seam.CancelFile();
    Click("ButtonGen");
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_EQ(kit::CheckPrefixName("", 20, "x"), "");
    EXPECT_EQ(kit::CheckPrefixName("GPIO_0", 20, "x"), "");
    EXPECT_EQ(kit::CheckPrefixName(std::string(108, 'P'), 20, "x"), "");
    EXPECT_EQ(kit::CheckProjectName("my project-1"), "");
}

TEST_F(DunmirForm, TheLeftCtrlBatch) {
    Start();
    Get<QLineEdit>("EditPrefixGpio")->setText("KEEP");
    Choose(2);
    seam.SetCtrlHeld(true);
    const std::string batch = dir.Folder() + "CodeGenerated/DUNMIR/DUNMIR/";
    seam.AnswerFile(batch + "ignored.qpf");
    Click("ButtonGen");
    EXPECT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_TRUE(seam.Boxes().empty());
    const char* const names[] = {"DUNMIR_GPIO_GPIO_Default",    "DUNMIR_GPIO_Kamrel",
                                 "DUNMIR_GPIO_Spindo",          "DUNMIR_GPIO_Drovik",
                                 "DUNMIR_GPIO_Pemrith",         "DUNMIR_GPIO_Drovik2",
                                 "DUNMIR_GPIO_Servo Motor Kit", "DUNMIR_GPIO_Fiskel-GPIO"};
    for (const char* name : names) {
        const std::string folder = batch + name + "/";
        for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"})
            EXPECT_TRUE(fs::exists(folder + name + ext)) << name << ext;
        std::string output;
        bool plainName = std::string(name).find_first_of(" -") == std::string::npos;
        if (plainName) {
            EXPECT_TRUE(testsupport::IverilogAccepts(folder + name + ".v", output)) << name << output;
        }
    }
    const std::string qsf = ReadFile(batch + names[0] + "/" + names[0] + ".qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_V10 -to GPIOGPIO[0]\r\n"), std::string::npos);
    EXPECT_EQ(Combo()->currentIndex(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "DUNMIR");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(),
              "KEEP"); // Unlike the other boards' batches, this one starts without a beep.
    EXPECT_EQ(seam.BeepCount(), 0);
}

TEST_F(DunmirForm, TheBatchStopsAtTheFirstFailure) {
    Start();
    seam.SetCtrlHeld(true);
    const std::string batch = dir.Folder() + "CodeGenerated/DUNMIR/DUNMIR/";
    // The third project's .qsf cannot be written: a folder stands in its place.
    fs::create_directories(batch + "DUNMIR_GPIO_Spindo/DUNMIR_GPIO_Spindo.qsf");
    seam.AnswerFile(batch + "DUNMIR.qpf");
    Click("ButtonGen");
    EXPECT_TRUE(fs::exists(batch + "DUNMIR_GPIO_GPIO_Default/DUNMIR_GPIO_GPIO_Default.htm"));
    EXPECT_TRUE(fs::exists(batch + "DUNMIR_GPIO_Kamrel/DUNMIR_GPIO_Kamrel.htm"));
    EXPECT_FALSE(fs::exists(batch + "DUNMIR_GPIO_Spindo/DUNMIR_GPIO_Spindo.v"));
    EXPECT_FALSE(fs::exists(batch + "DUNMIR_GPIO_Drovik"));
    // Only the writer's own boxes: the batch shows nothing of its own.
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[1].text, "Failed to create file DUNMIR_GPIO_Spindo.qsf");
    EXPECT_EQ(Combo()->currentIndex(), 0);
}

TEST_F(DunmirForm, SaveAndLoadSettings) {
    Start();
    Choose(2);
    Get<QLineEdit>("EditPrefixGpio")->setText("CAM_");
    Get<QLineEdit>("EditProjectName")->setText("blink");
    Get<QCheckBox>("CheckBoxVGA")->setChecked(false);
    const std::string cfg = dir.File("blink.cfg");
    seam.AnswerFile(cfg);
    Click("ButtonSave");
    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_EQ(seam.FileDialogs()[0].request.fileName, ""); // no file chosen yet
    EXPECT_EQ(seam.FileDialogs()[0].request.filter, "Board Configuration Files (*.cfg)|*.CFG");
    EXPECT_TRUE(seam.FileDialogs()[0].request.askOverwrite);
    std::string bytes = ReadFile(cfg);
    ASSERT_EQ(bytes.size(), 272u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[143]), 12);
    EXPECT_EQ(bytes.substr(144, 5), std::string("CAM_\0", 5));

    // Change everything, then load the file back.
    Choose(0);
    Get<QLineEdit>("EditProjectName")->setText("other");
    Get<QCheckBox>("CheckBoxVGA")->setChecked(true);
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "blink");
    EXPECT_EQ(Combo()->currentIndex(), 2);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "CAM_");
    EXPECT_FALSE(Get<QCheckBox>("CheckBoxVGA")->isChecked());
    EXPECT_TRUE(Get<platform::OutlineShape>("ShapeVGA")->isHidden());

    // A card that is not in the list leaves the selection; card 0 empties the prefix.
    bytes[143] = 24;
    WriteFile(cfg, bytes);
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_EQ(Combo()->currentIndex(), 2);
    bytes[143] = 0;
    WriteFile(cfg, bytes);
    seam.AnswerFile(cfg);
    Click("ButtonLoad");
    EXPECT_EQ(Combo()->currentIndex(), 0);
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio")->text(), "");
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST_F(DunmirForm, SaveSettingProposesTheNameChosenLastInItsOrTheProjectDialog) {
    Start();
    Get<QLineEdit>("EditProjectName")->setText("blink");
    seam.AnswerFile(dir.File("mine.cfg"));
    Click("ButtonSave");
    seam.CancelFile();
    Click("ButtonSave");
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "mine.cfg");
    // The project dialog is the same dialog: what it proposed, or what was chosen in it, comes next.
    seam.CancelFile();
    Click("ButtonGen");
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "blink.qpf");
    seam.CancelFile();
    Click("ButtonSave");
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "blink.qpf");
    seam.AnswerFile(dir.File("CodeGenerated/DUNMIR/blink/top.qpf"));
    Click("ButtonGen");
    seam.CancelFile();
    Click("ButtonSave");
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "top.qpf");
    EXPECT_EQ(seam.FileDialogs().back().request.initialDir, dir.Folder());
}

TEST_F(DunmirForm, DefaultCfgIsReadAtStartAndWrittenOnExit) {
    Start();
    Get<QLineEdit>("EditProjectName")->setText("remembered");
    Click("ButtonExit");
    const std::string bytes = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(bytes.size(), 272u);
    EXPECT_EQ(bytes.substr(5, 11), std::string("remembered\0", 11));
    main.reset();
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "remembered");
    // A default.cfg of another size is ignored.
    main.reset();
    WriteFile(dir.File("default.cfg"), std::string(273, '\0'));
    Start();
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "DUNMIR");
}

TEST_F(DunmirForm, ADefaultCfgThatCannotBeWrittenStillEndsTheProgram) {
    Start();
    fs::create_directory(dir.File("default.cfg")); // a folder: the save cannot replace it
    Click("ButtonExit");
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, "Failed to create file.");
    EXPECT_FALSE(main->isVisible());
}

TEST_F(DunmirForm, APipeInPlaceOfDefaultCfgStartsWithTheDefaultsAtOnce) {
    testsupport::FifoWatchdog fifo(dir.File("default.cfg"));
    ASSERT_TRUE(fifo.Made());
    Start();
    EXPECT_FALSE(fifo.Stop()) << "the start waited on the pipe";
    EXPECT_EQ(Get<QLineEdit>("EditProjectName")->text(), "DUNMIR");
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST_F(DunmirForm, TheProjectNameHoldsAtMost127BytesOfWholeCharacters) {
    Start();
    QLineEdit* edit = Get<QLineEdit>("EditProjectName");
    edit->setText(QString(100, QChar(0xE9))); // 200 bytes
    EXPECT_EQ(edit->text(), QString(63, QChar(0xE9)));
    Click("ButtonExit");
    const std::string bytes = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(bytes.size(), 272u);
    std::string name;
    for (int i = 0; i < 63; ++i)
        name += "\xC3\xA9";
    EXPECT_EQ(bytes.substr(5, 127), name + '\0');
}

// The program in a folder whose path is not ASCII, as Qt reports that folder; project
// names that are not ASCII either.
TEST(DunmirInANonAsciiFolder, SettingsAndProjectsGoWhereTheProgramStands) {
    const std::string name = "caf\xC3\xA9-\xE6\x97\xA5\xE6\x9C\xAC"; // "café-日本"
    if (!testsupport::InRerun()) {
        TempDir dir;
        const std::string folder = dir.File("prog-\xC3\xA9 d\xC3\xB6");
        fs::create_directory(folder);
        EXPECT_TRUE(testsupport::RerunInFolder(folder, "pinwright"));
        EXPECT_EQ(ReadFile(folder + "/default.cfg").substr(5, name.size() + 1), name + '\0');
        EXPECT_EQ(ReadFile(folder + "/pinwright.INI"), "[Builder]\nMainBoard=30\n");
        EXPECT_TRUE(fs::exists(folder + "/CodeGenerated/DUNMIR/" + name + "/" + name + ".qpf"));
        return;
    }
    std::string programFolder;
    std::string programPath;
    {
        platform::QtPlatform qt;
        programFolder = qt.ProgramFolder();
        programPath = qt.ProgramPath();
    }
    ASSERT_TRUE(fs::exists(programPath)) << programPath;
    ScriptedPlatform seam;
    seam.SetProgramFolder(programFolder);
    seam.SetProgramPath(programPath);

    // Exit saves default.cfg beside the program; the next start loads it.
    auto main = std::make_unique<TFormMain>(nullptr, BoardFormTable());
    auto edit = [&] { return main->BoardForm(30)->findChild<QLineEdit*>("EditProjectName"); };
    edit()->setText(QString::fromUtf8("caf\u00E9-\u65E5\u672C"));
    main->BoardForm(30)->findChild<QPushButton*>("ButtonExit")->click();
    main.reset();
    EXPECT_TRUE(seam.Boxes().empty());
    main = std::make_unique<TFormMain>(nullptr, BoardFormTable());
    EXPECT_EQ(edit()->text(), QString::fromUtf8("caf\u00E9-\u65E5\u672C"));

    // Generate offers the project's folder, which the file dialog opens, and writes there.
    const std::string folder = programFolder + "CodeGenerated/DUNMIR/" + name + "/";
    seam.AnswerFile(folder + name + ".qpf");
    main->BoardForm(30)->findChild<QPushButton*>("ButtonGen")->click();
    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    const platform::FileDialogRequest& request = seam.FileDialogs()[0].request;
    EXPECT_EQ(request.initialDir, folder);
    EXPECT_EQ(request.fileName, name + ".qpf");
    std::unique_ptr<QFileDialog> dialog(platform::MakeFileDialog(request, true));
    EXPECT_EQ(dialog->directory().absolutePath() + "/", platform::PathToQt(folder));
    EXPECT_TRUE(dialog->directory().exists());
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text,
              "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n" + folder);
    for (const char* ext : {".qpf", ".qsf", ".v", ".sdc", ".htm"})
        EXPECT_TRUE(fs::exists(folder + name + ext)) << ext;
}

TEST(DunmirRules, BatchNamesUseTheShortNames) {
    EXPECT_EQ(kit::BatchProjectName("DUNMIR_GPIO_%s", 12), "DUNMIR_GPIO_Kamrel");
    EXPECT_EQ(kit::BatchProjectName("DUNMIR_GPIO_%s", 64), "DUNMIR_GPIO_Servo Motor Kit");
    EXPECT_EQ(kit::BatchProjectName("DUNMIR_GPIO_%s", 71), "DUNMIR_GPIO_Fiskel-GPIO");
}
