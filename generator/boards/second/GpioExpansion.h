#pragma once
// The GPIO expansion dialog without widgets: the card and prefix of each of the two
// GPIO headers as confirmed by OK, and as shown while the dialog is open. A card that
// spans both headers couples them (kit::CoupleHeaders). The dialog's controls mirror
// the shown state; Cancel leaves the confirmed one as it was.

#include "settings/DaughterList.h"

#include <array>
#include <span>
#include <string>

class GpioExpansion {
public:
    struct Header {
        int index = 0; // into the card list; 0 is "None"
        std::string prefix;
        bool enabled = true;
    };

    // The card list both headers offer (not owned).
    void SetDaughterList(std::span<const uint8_t> cards) { cards_ = cards; }
    void SetDaughterList(const DaughterIdList* ids, int count) {
        cards_ = {ids->data(), static_cast<std::size_t>(count)};
    }
    uint8_t CardAt(int index) const;
    // The first item that is card; 0 ("None") when the list does not hold it.
    int IndexOf(uint8_t card) const;

    // The confirmed choice; a setter writes only a changed value.
    int GetIndex(int header) const { return confirmed_[Slot(header)].index; }
    void SetIndex(int header, int index);
    const std::string& GetPrefix(int header) const { return confirmed_[Slot(header)].prefix; }
    void SetPrefix(int header, const std::string& prefix);
    uint8_t ConfirmedCard(int header) const { return CardAt(GetIndex(header)); }

    // Showing the dialog: the confirmed choice, coupled as a change on GPIO-1.
    void Show();
    // The user picks a card on a header (the prefixes typed so far already set).
    void ChooseCard(int header, int index);
    void TypePrefix(int header, const std::string& prefix);
    // OK confirms what is shown.
    void Ok();

    const Header& Shown(int header) const { return shown_[Slot(header)]; }

private:
    static std::size_t Slot(int header) { return header == 0 ? 0 : 1; }
    void Couple(std::array<Header, 2>& headers, int changed) const;

    std::span<const uint8_t> cards_;
    std::array<Header, 2> confirmed_;
    std::array<Header, 2> shown_;
};
