#include "BoardForm.h"

#include "BoardHost.h"
#include "Generate.h"
#include "model/DaughterBitmaps.h"
#include "model/DaughterCatalogue.h"
#include "platform/Platform.h"
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

namespace {

// An edit is set only where its text differs, so that what the user typed stays as typed.
void SetEditText(QLineEdit* edit, const std::string& text) {
    if (FromQt(edit->text()) != text)
        edit->setText(ToQt(text));
}

} // namespace

BoardForm::BoardForm(QWidget* owner, const kit::BoardLogic& logic,
                     std::span<const platform::LayoutRow> layout)
    : QWidget(owner), m_Logic(&logic) {
    const kit::BoardSpec& spec = logic.Spec();
    platform::BuildForm(this, layout);
    setWindowFlag(Qt::FramelessWindowHint);
    m_Settings.Config = logic.NewRecord();

    m_EditProjectName = Component<QLineEdit>(this, "EditProjectName");
    platform::LimitBytes(m_EditProjectName, 127);
    for (std::size_t i = 0; i < spec.flags.size(); ++i) {
        QCheckBox* box = Component<QCheckBox>(this, spec.flags[i].box);
        m_Boxes.push_back(box);
        const int flag = static_cast<int>(i);
        connect(box, &QCheckBox::clicked, this, [this, flag] { CheckBoxClick(flag); });
    }
    for (std::size_t i = 0; i < spec.connectors.size(); ++i) {
        const kit::ConnectorBinding& c = spec.connectors[i];
        if (c.combo == nullptr) { // the board binds its own controls
            m_Cards.push_back({nullptr, nullptr, nullptr, -1});
            continue;
        }
        CardControls controls{Component<QComboBox>(this, c.combo), Component<QLineEdit>(this, c.prefixEdit),
                              c.image != nullptr ? Component<platform::PictureBox>(this, c.image) : nullptr,
                              -1};
        platform::LimitBytes(controls.prefix, 127); // the record's field holds 127 bytes
        m_Cards.push_back(controls);
        const int connector = static_cast<int>(i);
        connect(controls.combo, &QComboBox::activated, this,
                [this, connector] { ComboBoxCardChange(connector); });
    }
    for (std::size_t i = 0; i < spec.choiceLists.size(); ++i) {
        QComboBox* combo = Component<QComboBox>(this, spec.choiceLists[i].combo);
        m_Choices.push_back(combo);
        const int list = static_cast<int>(i);
        connect(combo, &QComboBox::activated, this, [this, list] { ComboBoxChoiceChange(list); });
    }
    for (const kit::TextBinding& t : spec.texts) {
        QLineEdit* edit = Component<QLineEdit>(this, t.edit);
        platform::LimitBytes(edit, 127); // the record's field holds 127 bytes
        m_Texts.push_back(edit);
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
    FillChoiceLists();
    m_View = m_Logic->NewView();
    Bind();
    Settings().LastFolder = platform::Current().ProgramFolder();
    SettingsRecord start = m_Logic->NewRecord();
    const bool found = Settings().LoadConfigFile(start, configfile::DefaultConfigPath());
    m_Logic->Start(m_View, Record(), found ? &start : nullptr, this);
    Bind();
}

void BoardForm::SaveInDestructor() {
    UiToConfig(Record());
    Settings().SaveDefaultConfig();
}

QWidget* BoardForm::Widget(const char* name) const {
    return Component<QWidget>(const_cast<BoardForm*>(this), name);
}

QComboBox* BoardForm::FillList(const char* combo, std::span<const char* const> items) {
    return FillList(combo, std::vector<std::string>(items.begin(), items.end()));
}

QComboBox* BoardForm::FillList(const char* combo, const std::vector<std::string>& items) {
    auto* list = Component<QComboBox>(this, combo);
    list->clear();
    for (const std::string& item : items)
        list->addItem(ToQt(item));
    return list;
}

void BoardForm::SetShapeVisible(const char* name, bool visible) {
    Component<platform::OutlineShape>(this, name)->setVisible(visible);
}

void BoardForm::Bind() {
    const kit::BoardLogic& logic = Logic();
    const kit::BoardSpec& spec = logic.Spec();
    const SettingsRecord& shown = m_View.record;
    SetEditText(m_EditProjectName, logic.ProjectName(shown));
    for (std::size_t i = 0; i < m_Boxes.size(); ++i)
        m_Boxes[i]->setChecked(shown.U8(spec.flags[i].offset) != 0);
    for (std::size_t i = 0; i < m_Cards.size(); ++i) {
        CardControls& c = m_Cards[i];
        if (c.combo == nullptr)
            continue;
        const int k = static_cast<int>(i);
        const int list = m_View.lists[i];
        if (c.shownList != list) {
            c.combo->clear();
            const std::span<const uint8_t> cards = logic.Cards(list);
            for (uint8_t card : cards)
                c.combo->addItem(ToQt(BoardName(static_cast<int8_t>(card))));
            c.combo->setMaxVisibleItems(std::max(1, static_cast<int>(cards.size())));
            c.shownList = list;
        }
        c.combo->setCurrentIndex(logic.CardIndex(m_View, k));
        c.combo->setEnabled(logic.CardEnabled(m_View, k));
        SetEditText(c.prefix, shown.Text(spec.connectors[i].prefixOffset));
        c.prefix->setEnabled(logic.PrefixEnabled(m_View, k));
    }
    for (std::size_t i = 0; i < m_Choices.size(); ++i) {
        const std::size_t offset = spec.choiceLists[i].offset;
        m_Choices[i]->setCurrentIndex(logic.Choice(m_View, offset));
        m_Choices[i]->setEnabled(logic.ChoiceEnabled(m_View, offset));
    }
    for (std::size_t i = 0; i < m_Texts.size(); ++i)
        SetEditText(m_Texts[i], shown.Text(spec.texts[i].offset));
    BindExtras(m_View);
}

void BoardForm::Read() {
    const kit::BoardLogic& logic = Logic();
    const kit::BoardSpec& spec = logic.Spec();
    SettingsRecord& shown = m_View.record;
    shown.SetText(spec.head.projectName, FromQt(m_EditProjectName->text()));
    for (std::size_t i = 0; i < m_Boxes.size(); ++i)
        shown.SetU8(spec.flags[i].offset, m_Boxes[i]->isChecked() ? 1 : 0);
    for (std::size_t i = 0; i < m_Cards.size(); ++i) {
        const CardControls& c = m_Cards[i];
        if (c.combo == nullptr)
            continue;
        const int k = static_cast<int>(i);
        logic.StoreCard(shown, k, logic.CardAt(m_View, k, c.combo->currentIndex()));
        shown.SetText(spec.connectors[i].prefixOffset, FromQt(c.prefix->text()));
    }
    for (std::size_t i = 0; i < m_Choices.size(); ++i)
        logic.SetChoice(m_View, spec.choiceLists[i].offset, m_Choices[i]->currentIndex());
    for (std::size_t i = 0; i < m_Texts.size(); ++i)
        shown.SetText(spec.texts[i].offset, FromQt(m_Texts[i]->text()));
}

void BoardForm::ConfigToUi(const SettingsRecord& record) {
    Read();
    Logic().Show(m_View, record, this);
    Bind();
}

void BoardForm::UiToConfig(SettingsRecord& record) {
    Read();
    Logic().Store(m_View, record);
}

SettingsRecord BoardForm::Shown() {
    SettingsRecord record = Record();
    UiToConfig(record);
    return record;
}

uint8_t BoardForm::ChosenCard(int connector) {
    Read();
    return static_cast<uint8_t>(Logic().StoredCard(m_View.record, connector));
}

bool BoardForm::ValidateUi() {
    Read();
    return kit::CheckSettings(Logic(), Logic().RecordToGenerate(m_View, Record()), kit::CheckFor::Save);
}

void BoardForm::CardPictures(const kit::FormView& view) {
    const kit::BoardLogic& logic = Logic();
    for (std::size_t i = 0; i < m_Cards.size(); ++i)
        if (m_Cards[i].image != nullptr)
            ShowCardPicture(m_Cards[i].image, logic.StoredCard(view.record, static_cast<int>(i)));
    DrawPictures(view);
}

void BoardForm::Outlines(const kit::FormView& view) {
    const kit::BoardSpec& spec = Logic().Spec();
    for (const kit::FlagBinding& f : spec.flags) {
        const bool ticked = view.record.U8(f.offset) != 0;
        for (const char* shape : {f.shape, f.shape2})
            if (shape != nullptr)
                SetShapeVisible(shape, ticked);
        for (const char* shape : f.moreShapes)
            SetShapeVisible(shape, ticked);
    }
    for (std::size_t i = 0; i < m_Cards.size(); ++i)
        if (spec.connectors[i].shape != nullptr && m_Cards[i].combo != nullptr)
            SetShapeVisible(spec.connectors[i].shape,
                            Logic().StoredCard(view.record, static_cast<int>(i)) != 0);
    DrawOutlines(view);
}

void BoardForm::ChoicesShown(const kit::FormView& view) {
    DrawChoices(view);
}

void BoardForm::ButtonGenClick() {
    Read();
    kit::GenerateRecord(Logic(), m_View, Record(),
                        [this](const std::string& folder, const std::string& name) {
                            return Settings().ChooseProjectFile(folder, name);
                        });
}

void BoardForm::ButtonSaveClick() {
    if (!ValidateUi())
        return;
    Logic().Store(m_View, Record());
    Settings().SaveConfigAs();
}

void BoardForm::ButtonLoadClick() {
    if (Settings().LoadConfigFrom()) {
        Read();
        Logic().Load(m_View, Record(), this);
        Bind();
    } else if (m_Logic->Spec().loadFailureMessage) {
        platform::ShowMessage("Failed to load setting", "Error", platform::Icon::Error);
    }
}

void BoardForm::ButtonDefaultSettingClick() {
    Read();
    Logic().Defaults(m_View, Record(), this);
    Bind();
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

void BoardForm::CheckBoxClick(int flag) {
    Read();
    Logic().ClickBox(m_View, Record(), flag, m_Boxes[static_cast<std::size_t>(flag)]->isChecked(), this);
    Bind();
    BoxDrawn(flag);
}

void BoardForm::ComboBoxCardChange(int connector) {
    Read();
    Logic().ChooseCard(m_View, connector, m_Cards[static_cast<std::size_t>(connector)].combo->currentIndex(),
                       this);
    Bind();
}

void BoardForm::ComboBoxChoiceChange(int list) {
    Read();
    const std::size_t i = static_cast<std::size_t>(list);
    Logic().ChooseItem(m_View, Record(), Logic().Spec().choiceLists[i].offset, m_Choices[i]->currentIndex(),
                       this);
    Bind();
}

void BoardForm::ChoosePart(int part) {
    Apply([this, part](kit::FormView& view, SettingsRecord& stored, kit::FormPainter* painter) {
        m_Logic->ChoosePart(view, stored, part, painter);
    });
}

void BoardForm::Apply(const std::function<void(kit::FormView& view, SettingsRecord& stored,
                                               kit::FormPainter* painter)>& action) {
    Read();
    action(m_View, Record(), this);
    Bind();
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
