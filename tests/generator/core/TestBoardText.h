#pragma once
// The core tests' own board text: what the writers ask a board's text object for,
// as fixed strings, and the folder its modules were asked to go to.

#include "core/BoardText.h"

#include <string>

namespace coretest {

class TestBoardText final : public TBoardText {
public:
    std::string QsfGlobalAssignments(const TMainBoard& /*board*/) const override { return qsf; }
    std::string StructuralCode(const TMainBoard& /*board*/) const override { return structural; }
    bool ExportModules(const std::string& folder) const override {
        exportedTo = folder;
        return exports;
    }
    std::string SdcBoardClocks() const override { return sdcClocks; }
    std::string SdcInputDelays() const override { return sdcInputs; }
    std::string SdcOutputDelays() const override { return sdcOutputs; }
    std::string SdcJtagClock() const override { return sdcJtag; }

    std::string qsf;
    std::string structural;
    bool exports = true;
    mutable std::string exportedTo;
    std::string sdcClocks;
    std::string sdcInputs;
    std::string sdcOutputs;
    std::string sdcJtag;
};

} // namespace coretest
