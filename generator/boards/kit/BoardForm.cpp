#include "BoardForm.h"

#include "BoardHost.h"
#include "HeaderCoupling.h"
#include "NameRules.h"
#include "model/DaughterBitmaps.h"
#include "model/DaughterCatalogue.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "platform/qt/ByteLimitValidator.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"
#include "settings/ProjectFolder.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

using platform::Component;
using platform::FromQt;
using platform::ToQt;

void ShowCardPicture(platform::PictureBox* image, int cardId) {
    const std::string name(DaughterBitmapName(cardId));
    if (name.empty()) {
        image->hide();
        return;
    }
    image->show();
    image->SetImage(platform::LoadBitmapResource(name));
}

void SyncHeaderPair(QComboBox* changed, QLineEdit* changedPrefix, QComboBox* other, QLineEdit* otherPrefix,
                    uint8_t changedCard, uint8_t otherCard, bool lock) {
    const kit::Coupling coupling = kit::CoupleHeaders(changedCard, otherCard);
    if (coupling == kit::Coupling::Follow) {
        other->setCurrentIndex(changed->currentIndex());
        otherPrefix->setText(changedPrefix->text());
    }
    if (lock) {
        other->setEnabled(coupling != kit::Coupling::Follow);
        otherPrefix->setEnabled(coupling != kit::Coupling::Follow);
    }
    if (coupling == kit::Coupling::FreeAndClear) {
        other->setCurrentIndex(0);
        otherPrefix->clear();
    }
}

BoardForm::BoardForm(QWidget* owner, const kit::BoardLogic& logic,
                     std::span<const platform::LayoutRow> layout)
    : QWidget(owner), m_Logic(&logic) {
    const kit::BoardSpec& spec = logic.Spec();
    platform::BuildForm(this, layout);
    setWindowFlag(Qt::FramelessWindowHint);
    m_Holders.resize(std::max<std::size_t>(1, spec.lists.size()));
    for (FormSettings& holder : m_Holders)
        holder.Config = SettingsRecord(spec.recordSize);

    m_EditProjectName = Component<QLineEdit>(this, "EditProjectName");
    platform::LimitBytes(m_EditProjectName, 127);
    for (const kit::FlagBinding& f : spec.flags) {
        QCheckBox* box = Component<QCheckBox>(this, f.box);
        m_Boxes.push_back(box);
        connect(box, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
    }
    for (std::size_t i = 0; i < spec.connectors.size(); ++i) {
        const kit::ConnectorBinding& c = spec.connectors[i];
        if (c.combo == nullptr) { // the board binds its own controls
            m_Cards.push_back({nullptr, nullptr, nullptr, c.list});
            continue;
        }
        CardControls controls{Component<QComboBox>(this, c.combo), Component<QLineEdit>(this, c.prefixEdit),
                              c.image != nullptr ? Component<platform::PictureBox>(this, c.image) : nullptr,
                              c.list};
        platform::LimitBytes(controls.prefix, 127); // the record's field holds 127 bytes
        m_Cards.push_back(controls);
        const int connector = static_cast<int>(i);
        connect(controls.combo, &QComboBox::activated, this,
                [this, connector] { ComboBoxCardChange(connector); });
    }
    auto bind = [this](const char* name, void (BoardForm::*handler)()) {
        if (auto* button = findChild<QPushButton*>(QString::fromLatin1(name)))
            connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    bind("ButtonGen", &BoardForm::ButtonGenClick);
    bind("ButtonSave", &BoardForm::ButtonSaveClick);
    bind("ButtonLoad", &BoardForm::ButtonLoadClick);
    bind("ButtonExit", &BoardForm::ButtonExitClick);
    if (spec.boardSelector)
        bind("ButtonMainBoardSelect", &BoardForm::ButtonMainBoardSelectClick);
    bind("ButtonDefaultSetting", &BoardForm::ButtonDefaultSettingClick);
    bind("ButtonDefault", &BoardForm::ButtonDefaultSettingClick); // the name on some layouts
}

BoardForm::~BoardForm() = default;

PlainBoardForm::PlainBoardForm(QWidget* owner, const kit::BoardLogic& logic,
                               std::span<const platform::LayoutRow> layout)
    : BoardForm(owner, logic, layout) {
    Start();
}

PlainBoardForm::~PlainBoardForm() {
    if (Logic().Spec().save == kit::SaveAtEnd::InDestructor)
        SaveInDestructor();
}

void BoardForm::Start() {
    FillComboBoxes();
    Settings().LastFolder = platform::Current().ProgramFolder();
    if (Settings().LoadDefaultConfig())
        m_Logic->ReadyToShow(Record());
    else
        SetDefaultConfig(Record());
    m_Logic->PrepareStart(Record());
    ConfigToUi(Record());
    TrailingSteps();
}

void BoardForm::UseLogic(const kit::BoardLogic& logic) {
    m_Logic = &logic;
}

void BoardForm::SaveInDestructor() {
    UiToConfig(Record());
    Settings().SaveDefaultConfig();
}

QWidget* BoardForm::Widget(const char* name) const {
    return Component<QWidget>(const_cast<BoardForm*>(this), name);
}

void BoardForm::SetShapeVisible(const char* name, bool visible) {
    Component<platform::OutlineShape>(this, name)->setVisible(visible);
}

void BoardForm::SetDefaultConfig(SettingsRecord& record) {
    m_Logic->SetDefaultConfig(record);
}

void BoardForm::FillCardCombo(int connector, int list) {
    CardControls& c = m_Cards[static_cast<std::size_t>(connector)];
    const FormSettings& holder = m_Holders[static_cast<std::size_t>(list)];
    c.list = list;
    if (c.combo == nullptr)
        return;
    c.combo->clear();
    for (int i = 0; i < holder.DaughterCount; ++i)
        c.combo->addItem(
            ToQt(BoardName(static_cast<int8_t>(holder.DaughterIds[static_cast<std::size_t>(i)]))));
    c.combo->setCurrentIndex(0);
    c.combo->setMaxVisibleItems(std::max(1, holder.DaughterCount));
}

void BoardForm::FillComboBoxes() {
    const kit::BoardSpec& spec = m_Logic->Spec();
    for (std::size_t i = 0; i < spec.lists.size(); ++i)
        m_Holders[i].DaughterCount = kit::CardList(spec.lists[i], m_Holders[i].DaughterIds);
    for (std::size_t i = 0; i < m_Cards.size(); ++i)
        FillCardCombo(static_cast<int>(i), spec.connectors[i].list);
    FillChoiceLists();
}

uint8_t BoardForm::ChosenCard(int connector) const {
    const CardControls& c = m_Cards[static_cast<std::size_t>(connector)];
    const int index = c.combo != nullptr ? c.combo->currentIndex() : -1;
    if (index < 0)
        return 0;
    return m_Holders[static_cast<std::size_t>(c.list)].DaughterIds[static_cast<std::size_t>(index)];
}

void BoardForm::ConfigToUi(const SettingsRecord& record) {
    const kit::BoardSpec& spec = m_Logic->Spec();
    m_EditProjectName->setText(ToQt(m_Logic->ProjectName(record)));
    for (std::size_t i = 0; i < spec.flags.size(); ++i) {
        const bool ticked = record.U8(spec.flags[i].offset) != 0;
        const bool changed = m_Boxes[i]->isChecked() != ticked;
        m_Boxes[i]->setChecked(ticked);
        // Where the toolkit ran a box's handler when code changed it, the board asks for it.
        if (changed && spec.boxClickOnLoad)
            CheckBoxClick();
    }
    ChoicesToUi(record);
    for (std::size_t i = 0; i < m_Cards.size(); ++i) {
        CardControls& c = m_Cards[i];
        if (c.combo == nullptr)
            continue;
        const FormSettings& holder = m_Holders[static_cast<std::size_t>(c.list)];
        if (!ShowsStoredCard(static_cast<int>(i), record))
            continue;
        const int32_t id = m_Logic->StoredCard(record, static_cast<int>(i));
        bool found = false;
        for (int k = 0; k < holder.DaughterCount && !found; ++k)
            if (holder.DaughterIds[static_cast<std::size_t>(k)] == id) {
                c.combo->setCurrentIndex(k);
                found = true;
            }
        if (!found && spec.prefixOnShow == kit::PrefixOnShow::OnlyWhenFound)
            continue;
        if (c.combo->currentIndex() > 0)
            c.prefix->setText(ToQt(record.Text(spec.connectors[i].prefixOffset)));
        else
            c.prefix->clear();
    }
    // A record shown is coupled from GPIO-0 as the user's choice there would couple it; some
    // boards leave which combo box is enabled as it was.
    if (spec.gpioPair != nullptr)
        SyncGpioCombos(spec.gpioPair->header0, spec.gpioPair->lockOnShow);
    UpdateDaughterImages();
    UpdateShapes();
}

bool BoardForm::UiToConfig(SettingsRecord& record) {
    const kit::BoardSpec& spec = m_Logic->Spec();
    m_Logic->SetSavedHead(record);
    record.SetText(spec.head.projectName, FromQt(m_EditProjectName->text()));
    for (std::size_t i = 0; i < spec.flags.size(); ++i)
        record.SetU8(spec.flags[i].offset, m_Boxes[i]->isChecked() ? 1 : 0);
    for (std::size_t i = 0; i < m_Cards.size(); ++i) {
        if (m_Cards[i].combo == nullptr)
            continue;
        m_Logic->StoreCard(record, static_cast<int>(i), ChosenCard(static_cast<int>(i)));
        record.SetText(spec.connectors[i].prefixOffset, FromQt(m_Cards[i].prefix->text()));
    }
    UiToChoices(record);
    return true;
}

void BoardForm::UpdateDaughterImages() {
    for (std::size_t i = 0; i < m_Cards.size(); ++i)
        if (m_Cards[i].image != nullptr)
            ShowCardPicture(m_Cards[i].image, ChosenCard(static_cast<int>(i)));
    UpdateExtraImages();
}

void BoardForm::UpdateShapes() {
    const kit::BoardSpec& spec = m_Logic->Spec();
    for (std::size_t i = 0; i < spec.flags.size(); ++i) {
        const kit::FlagBinding& f = spec.flags[i];
        for (const char* shape : {f.shape, f.shape2})
            if (shape != nullptr)
                SetShapeVisible(shape, m_Boxes[i]->isChecked());
        for (const char* shape : f.moreShapes)
            SetShapeVisible(shape, m_Boxes[i]->isChecked());
    }
    for (std::size_t i = 0; i < m_Cards.size(); ++i)
        if (spec.connectors[i].shape != nullptr && m_Cards[i].combo != nullptr)
            SetShapeVisible(spec.connectors[i].shape, m_Cards[i].combo->currentIndex() > 0);
    UpdateExtras();
}

SettingsRecord BoardForm::Shown() {
    SettingsRecord record = Record();
    UiToConfig(record);
    return record;
}

SettingsRecord BoardForm::WorkingRecord() {
    return m_Logic->WorkingRecord(Shown());
}

bool BoardForm::ValidateUi() {
    const SettingsRecord record = WorkingRecord();
    const std::string message = m_Logic->Validate(record);
    if (!message.empty()) {
        platform::ShowMessage(message, "Error", platform::Icon::Error);
        return false;
    }
    return m_Logic->ConfirmSettings(record);
}

SettingsRecord BoardForm::GenerateRecord() {
    if (m_Logic->Spec().generateFrom == kit::WorkingRecord::IntoSettings)
        UiToConfig(Record());
    return WorkingRecord();
}

bool BoardForm::GenerateProject(const std::string& qpfPath) {
    // A working record: the default prefixes never reach the settings object's record.
    return kit::GenerateProject(*m_Logic, GenerateRecord(), qpfPath);
}

void BoardForm::SyncGpioCombos(int senderConnector, bool lock) {
    const kit::GpioPair* pair = m_Logic->Spec().gpioPair;
    if (pair == nullptr)
        return;
    const int self = senderConnector == pair->header0 ? pair->header0 : pair->header1;
    const int other = self == pair->header0 ? pair->header1 : pair->header0;
    CardControls& mine = m_Cards[static_cast<std::size_t>(self)];
    CardControls& theirs = m_Cards[static_cast<std::size_t>(other)];
    if (mine.combo == nullptr || theirs.combo == nullptr)
        return; // a pair the board couples itself
    SyncHeaderPair(mine.combo, mine.prefix, theirs.combo, theirs.prefix, ChosenCard(self), ChosenCard(other),
                   lock);
}

void BoardForm::ButtonGenClick() {
    if (!ValidateUi())
        return;
    const kit::BoardSpec& spec = m_Logic->Spec();
    if ((!spec.batch.empty() || spec.batchWithoutPasses) && platform::Current().IsCtrlHeld()) {
        BatchGenerate();
        return;
    }
    if (!m_Logic->ConfirmGenerate(WorkingRecord()))
        return;
    const std::string path = ChooseProjectFile(spec.folder, FromQt(m_EditProjectName->text()));
    if (path.empty())
        return;
    kit::GenerateAndReport(*m_Logic, GenerateRecord(), path);
}

void BoardForm::BatchGenerate() {
    const kit::BoardSpec& spec = m_Logic->Spec();
    platform::Beep();
    const QString projectName = m_EditProjectName->text();
    std::vector<int> indexes;
    std::vector<QString> prefixes;
    for (const CardControls& c : m_Cards) {
        indexes.push_back(c.combo != nullptr ? c.combo->currentIndex() : 0);
        prefixes.push_back(c.prefix != nullptr ? c.prefix->text() : QString());
    }
    const std::string path = ChooseProjectFile(spec.folder, FromQt(projectName));
    if (!path.empty()) {
        const std::string folder = platform::ExtractFilePath(path);
        bool ok = true;
        for (const kit::BatchPass& pass : spec.batch) {
            CardControls& c = m_Cards[static_cast<std::size_t>(pass.connector)];
            for (int i = pass.from; i < c.combo->count() && ok; ++i) {
                // Setting the index fires no handler: pictures and outlines stay.
                c.combo->setCurrentIndex(i);
                if (spec.gpioPair != nullptr && (pass.connector == spec.gpioPair->header0))
                    m_Cards[static_cast<std::size_t>(spec.gpioPair->header1)].combo->setCurrentIndex(i);
                if (pass.prefix != nullptr)
                    c.prefix->setText(QString::fromLatin1(pass.prefix));
                if (pass.pairPrefix != nullptr && spec.gpioPair != nullptr &&
                    pass.connector == spec.gpioPair->header0) {
                    const bool spans = BoardConnectorType(static_cast<int8_t>(ChosenCard(pass.connector))) ==
                                       CONNECTOR_GPIO80;
                    c.prefix->setText(spans ? QString() : QString::fromLatin1(pass.prefix));
                    m_Cards[static_cast<std::size_t>(spec.gpioPair->header1)].prefix->setText(
                        spans ? QString() : QString::fromLatin1(pass.pairPrefix));
                }
                const std::string name = kit::BatchProjectName(pass.nameFormat, ChosenCard(pass.connector));
                m_EditProjectName->setText(ToQt(name));
                const std::string projectFolder = folder + name;
                std::error_code ec;
                std::filesystem::create_directories(projectFolder, ec);
                ok = GenerateProject(projectFolder + "/" + name + ".qpf");
            }
            c.combo->setCurrentIndex(0);
            if (!ok)
                break;
        }
    }
    m_EditProjectName->setText(projectName);
    for (std::size_t i = 0; i < m_Cards.size(); ++i) {
        if (m_Cards[i].combo == nullptr)
            continue;
        m_Cards[i].combo->setCurrentIndex(indexes[i]);
        m_Cards[i].prefix->setText(prefixes[i]);
    }
}

void BoardForm::ButtonSaveClick() {
    if (!ValidateUi())
        return;
    UiToConfig(Record());
    Settings().SaveConfigAs(FromQt(m_EditProjectName->text()));
}

void BoardForm::ButtonLoadClick() {
    if (Settings().LoadConfigFrom()) {
        m_Logic->ReadyToShow(Record());
        ConfigToUi(Record());
        TrailingSteps();
    } else if (m_Logic->Spec().loadFailureMessage) {
        platform::ShowMessage("Failed to load setting", "Error", platform::Icon::Error);
    }
}

void BoardForm::ButtonDefaultSettingClick() {
    SetDefaultConfig(Record());
    ConfigToUi(Record());
}

void BoardForm::ButtonExitClick() {
    close();
    if (MainHost != nullptr)
        MainHost->CloseHost();
}

void BoardForm::ButtonMainBoardSelectClick() {
    if (MainHost != nullptr)
        MainHost->PostSelectMainBoard();
}

void BoardForm::CheckBoxClick() {
    UpdateShapes();
    BoxClicked();
}

void BoardForm::ComboBoxCardChange(int connector) {
    const kit::GpioPair* pair = m_Logic->Spec().gpioPair;
    if (pair != nullptr && (connector == pair->header0 || connector == pair->header1))
        SyncGpioCombos(connector);
    CardChanged(connector);
    UpdateDaughterImages();
    UpdateShapes();
}

void BoardForm::FormClose() {
    UiToConfig(Record());
    Settings().SaveDefaultConfig();
}

void BoardForm::closeEvent(QCloseEvent* event) {
    if (m_Logic->Spec().save == kit::SaveAtEnd::OnClose)
        FormClose();
    event->accept();
}
