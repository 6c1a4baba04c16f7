#include "core/MainBoard.h"
#include "core/Pinwright.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;
using testsupport::TempDir;

TEST(WriteVerilog, AVerilogParserAcceptsTheModule) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = 30;
    auto* led = new TConnector("LED", "", CONNECTOR_NONE, -1);
    led->AddPin(new TPin("LEDR[1]", "A", DIRECTION_OUTPUT, 8, 0.0f));
    led->AddPin(new TPin("LEDR[0]", "D", DIRECTION_OUTPUT, 8, 0.0f));
    b.AddConnector(led);
    auto* key = new TConnector("KEY", "", CONNECTOR_NONE, -1);
    key->AddPin(new TPin("KEY[0]", "B", DIRECTION_INPUT, 8, 0.0f));
    key->AddPin(new TPin("SDA", "C", DIRECTION_INOUT, 8, 0.0f));
    b.AddConnector(key);
    b.AddConnector(new TConnector("EMPTY", "nothing here", CONNECTOR_NONE, -1));
    for (TMainBoard* model : {&b}) {
        TPinwright w;
        ASSERT_TRUE(w.Generate(model, dir.File("blink.qpf")));
        std::string output;
        EXPECT_TRUE(testsupport::IverilogAccepts(dir.File("blink.v"), output)) << output;
    }
    TMainBoard empty;
    empty.m_BoardId = 30;
    TPinwright w;
    ASSERT_TRUE(w.WriteVerilog(&empty, dir.File("empty.v")));
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(dir.File("empty.v"), output)) << output;
}
