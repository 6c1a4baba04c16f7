#include "GpioExpansion.h"

#include "boards/kit/HeaderCoupling.h"

uint8_t GpioExpansion::CardAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= cards_.size())
        return 0;
    return cards_[static_cast<std::size_t>(index)];
}

int GpioExpansion::IndexOf(uint8_t card) const {
    for (std::size_t i = 0; i < cards_.size(); ++i)
        if (cards_[i] == card)
            return static_cast<int>(i);
    return 0;
}

void GpioExpansion::SetIndex(int header, int index) {
    if (confirmed_[Slot(header)].index != index)
        confirmed_[Slot(header)].index = index;
}

void GpioExpansion::SetPrefix(int header, const std::string& prefix) {
    if (confirmed_[Slot(header)].prefix != prefix)
        confirmed_[Slot(header)].prefix = prefix;
}

void GpioExpansion::Show() {
    for (std::size_t h = 0; h < 2; ++h) {
        shown_[h].index = confirmed_[h].index;
        shown_[h].prefix = confirmed_[h].prefix;
    }
    Couple(shown_, 1);
}

void GpioExpansion::ChooseCard(int header, int index) {
    shown_[Slot(header)].index = index;
    Couple(shown_, header);
}

void GpioExpansion::TypePrefix(int header, const std::string& prefix) {
    shown_[Slot(header)].prefix = prefix;
}

void GpioExpansion::Ok() {
    for (int h = 0; h < 2; ++h) {
        SetIndex(h, shown_[Slot(h)].index);
        SetPrefix(h, shown_[Slot(h)].prefix);
    }
}

void GpioExpansion::Couple(std::array<Header, 2>& headers, int changed) const {
    Header& mine = headers[Slot(changed)];
    Header& other = headers[Slot(changed == 0 ? 1 : 0)];
    const kit::HeaderChoice source{mine.index, mine.prefix, !mine.enabled};
    kit::HeaderChoice follower{other.index, other.prefix, !other.enabled};
    kit::CoupleHeader(source, follower, CardAt(mine.index), CardAt(other.index));
    other.index = follower.item;
    other.prefix = follower.prefix;
    other.enabled = !follower.locked;
}
