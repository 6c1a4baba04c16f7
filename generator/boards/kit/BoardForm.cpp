#include "BoardForm.h"

#include "BoardHost.h"
#include "model/DaughterBitmaps.h"
#include "model/DaughterCatalogue.h"
#include "platform/Platform.h"
#include "platform/qt/ByteLimitValidator.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using platform::Component;
using platform::FromQt;
using platform::ToQt;

namespace {

// A picture with its marks on box, or box hidden for a picture without a name.
void ShowPicture(platform::PictureBox* box, const kit::Picture& picture) {
    if (picture.name.empty()) {
        box->hide();
        return;
    }
    box->show();
    QImage image = platform::LoadBitmapResource(picture.name);
    if (!picture.marks.empty()) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        QPainter painter(&image);
        for (const kit::PictureMark& mark : picture.marks)
            painter.drawImage(mark.x, mark.y, platform::LoadBitmapResource(mark.name));
    }
    box->SetImage(image);
}

// An edit is set only where its text differs, so that what the user typed stays as typed.
void SetEditText(QLineEdit* edit, const std::string& text) {
    if (FromQt(edit->text()) != text)
        edit->setText(ToQt(text));
}

} // namespace

void ShowCardPicture(platform::PictureBox* image, int cardId) {
    ShowPicture(image, kit::Picture{std::string(DaughterBitmapName(cardId)), {}});
}

BoardForm::BoardForm(QWidget* owner, const kit::BoardLogic& logic,
                     std::span<const platform::LayoutRow> layout)
    : QWidget(owner), m_Session(logic) {
    const kit::BoardSpec& spec = logic.Spec();
    platform::BuildForm(this, layout);
    setWindowFlag(Qt::FramelessWindowHint);

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
            m_Cards.push_back({nullptr, nullptr, -1});
            continue;
        }
        CardControls controls{Component<QComboBox>(this, c.combo), Component<QLineEdit>(this, c.prefixEdit),
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
    if (spec.partList != nullptr) {
        m_PartList = Component<QComboBox>(this, spec.partList);
        connect(m_PartList, &QComboBox::activated, this, [this] { ComboBoxPartChange(); });
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

BoardForm::~BoardForm() {
    if (m_Session.Board().Spec().save == kit::SaveAtEnd::InDestructor) {
        Read();
        m_Session.SaveDefault();
    }
}

PlainBoardForm::PlainBoardForm(QWidget* owner, const kit::BoardLogic& logic,
                               std::span<const platform::LayoutRow> layout)
    : BoardForm(owner, logic, layout) {
    Start();
}

void BoardForm::Start() {
    FillChoiceLists();
    Bind();
    m_Session.StartInProgramFolder();
    Bind();
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

void BoardForm::Bind() {
    const kit::FormView& view = m_Session.View();
    const kit::BoardLogic& logic = Logic();
    const kit::BoardSpec& spec = logic.Spec();
    const SettingsRecord& shown = view.record;
    SetEditText(m_EditProjectName, logic.ProjectName(shown));
    for (std::size_t i = 0; i < m_Boxes.size(); ++i)
        m_Boxes[i]->setChecked(shown.U8(spec.flags[i].offset) != 0);
    for (std::size_t i = 0; i < m_Cards.size(); ++i) {
        CardControls& c = m_Cards[i];
        if (c.combo == nullptr)
            continue;
        const int k = static_cast<int>(i);
        const int list = view.lists[i];
        if (c.shownList != list) {
            c.combo->clear();
            const std::span<const uint8_t> cards = logic.Cards(list);
            for (uint8_t card : cards)
                c.combo->addItem(ToQt(BoardName(static_cast<int8_t>(card))));
            c.combo->setMaxVisibleItems(std::max(1, static_cast<int>(cards.size())));
            c.shownList = list;
        }
        c.combo->setCurrentIndex(logic.CardIndex(view, k));
        c.combo->setEnabled(logic.CardEnabled(view, k));
        SetEditText(c.prefix, shown.Text(spec.connectors[i].prefixOffset));
        c.prefix->setEnabled(logic.PrefixEnabled(view, k));
    }
    for (std::size_t i = 0; i < m_Choices.size(); ++i) {
        const std::size_t offset = spec.choiceLists[i].offset;
        m_Choices[i]->setCurrentIndex(logic.Choice(view, offset));
        m_Choices[i]->setEnabled(logic.ChoiceEnabled(view, offset));
    }
    for (std::size_t i = 0; i < m_Texts.size(); ++i)
        SetEditText(m_Texts[i], shown.Text(spec.texts[i].offset));
    if (m_PartList != nullptr)
        m_PartList->setCurrentIndex(view.part);
    BindDrawn();
}

void BoardForm::BindDrawn() {
    const kit::FormView& view = m_Session.View();
    for (const auto& [name, shown] : view.shown)
        Widget(name.c_str())->setVisible(shown);
    for (const auto& [name, caption] : view.captions) {
        QWidget* widget = Widget(name.c_str());
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(ToQt(caption));
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(ToQt(caption));
    }
    for (const auto& [name, picture] : view.pictures) {
        const auto bound = m_BoundPictures.find(name);
        if (bound != m_BoundPictures.end() && bound->second == picture)
            continue;
        m_BoundPictures[name] = picture;
        ShowPicture(Component<platform::PictureBox>(this, name.c_str()), picture);
    }
}

void BoardForm::Read() {
    kit::FormView& view = m_Session.View();
    const kit::BoardLogic& logic = Logic();
    const kit::BoardSpec& spec = logic.Spec();
    SettingsRecord& shown = view.record;
    shown.SetText(spec.head.projectName, FromQt(m_EditProjectName->text()));
    for (std::size_t i = 0; i < m_Boxes.size(); ++i)
        shown.SetU8(spec.flags[i].offset, m_Boxes[i]->isChecked() ? 1 : 0);
    for (std::size_t i = 0; i < m_Cards.size(); ++i) {
        const CardControls& c = m_Cards[i];
        if (c.combo == nullptr)
            continue;
        const int k = static_cast<int>(i);
        logic.StoreCard(shown, k, logic.CardAt(view, k, c.combo->currentIndex()));
        shown.SetText(spec.connectors[i].prefixOffset, FromQt(c.prefix->text()));
    }
    for (std::size_t i = 0; i < m_Choices.size(); ++i)
        logic.SetChoice(view, spec.choiceLists[i].offset, m_Choices[i]->currentIndex());
    for (std::size_t i = 0; i < m_Texts.size(); ++i)
        shown.SetText(spec.texts[i].offset, FromQt(m_Texts[i]->text()));
}

void BoardForm::Apply(const std::function<void(kit::FormView& view, SettingsRecord& stored)>& action) {
    Read();
    m_Session.Apply(action);
    Bind();
}

void BoardForm::ButtonGenClick() {
    Read();
    m_Session.Generate();
}

void BoardForm::ButtonSaveClick() {
    Read();
    m_Session.SaveSetting();
}

void BoardForm::ButtonLoadClick() {
    Read();
    if (m_Session.LoadSetting())
        Bind();
}

void BoardForm::ButtonDefaultSettingClick() {
    Read();
    m_Session.Defaults();
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
    m_Session.ClickBox(flag, m_Boxes[static_cast<std::size_t>(flag)]->isChecked());
    Bind();
}

void BoardForm::ComboBoxCardChange(int connector) {
    Read();
    m_Session.ChooseCard(connector, m_Cards[static_cast<std::size_t>(connector)].combo->currentIndex());
    Bind();
}

void BoardForm::ComboBoxChoiceChange(int list) {
    Read();
    const std::size_t i = static_cast<std::size_t>(list);
    m_Session.ChooseItem(Logic().Spec().choiceLists[i].offset, m_Choices[i]->currentIndex());
    Bind();
}

void BoardForm::ComboBoxPartChange() {
    Read();
    m_Session.ChoosePart(m_PartList->currentIndex());
    Bind();
}

void BoardForm::FormClose() {
    Read();
    m_Session.SaveDefault();
}

void BoardForm::closeEvent(QCloseEvent* event) {
    if (m_Session.Board().Spec().save == kit::SaveAtEnd::OnClose)
        FormClose();
    event->accept();
}
