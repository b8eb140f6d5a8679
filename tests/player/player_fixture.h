#pragma once
// The player started from a sandbox folder on the fake desktop, and what it
// drew there in a form that prints readably when a comparison fails.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/line_file.h"
#include "platform/fake/fake_platform.h"
#include "platform/host/host_files.h"
#include "player/menu_player.h"
#include "tests/settings_lines.h"
#include "tests/support/sandbox.h"

inline LineList withoutLastLine(LineList lines) {
    lines.pop_back();
    return lines;
}

class PlayerTest : public ::testing::Test {
protected:
    PlayerTest() { platform::fake::reset(); }

    void start(const LineList& settings, const Text& programName = "VYRrun.exe") {
        sandbox.put(settingsFileName, fileBytes(settings));
        startWithoutSettings(programName);
    }

    void startWithoutSettings(const Text& programName = "VYRrun.exe") {
        platform::host::setExecutablePath(sandbox.path(programName));
        enterProgramFolder();
        platform::runWindow(menuWindow, menuWindowEvents);
    }

    static platform::fake::Desktop& desktop() { return platform::fake::desktop(); }

    static std::vector<Text> messageTexts() {
        std::vector<Text> texts;
        for (const platform::fake::Message& message : desktop().messages) {
            EXPECT_EQ(message.caption, playerCaption);
            texts.push_back(message.text);
        }
        return texts;
    }

    // "box 140,14-660,57" and "text 160,23 【A】 项目1", in drawing order.
    static std::vector<std::string> boardDrawing() {
        std::vector<std::string> drawn;
        for (const platform::fake::Drawn& d : platform::fake::drawings(menuBoard)) {
            if (d.kind == platform::fake::Drawn::Box)
                drawn.push_back("box " + std::to_string(d.left) + "," + std::to_string(d.top) + "-" +
                                std::to_string(d.right) + "," + std::to_string(d.bottom));
            else
                drawn.push_back("text " + std::to_string(d.left) + "," + std::to_string(d.top) + " " + d.text);
        }
        return drawn;
    }

    static std::vector<Text> entryTexts() {
        std::vector<Text> texts;
        for (const platform::fake::Drawn& d : platform::fake::drawings(menuBoard))
            if (d.kind == platform::fake::Drawn::TextAt) texts.push_back(d.text);
        return texts;
    }

    Sandbox sandbox;
};
