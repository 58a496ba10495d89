#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/GameFrame.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

class CGame;

// Writes the five stage files from an ASCII picture, one character a cell, its first line
// at grid row `topRow`, column 0. Cells the picture does not cover stay empty.
//   tiles:   '.' or ' ' empty  '1' '2' '3' ground  '=' one-way  '^' damage floor
//            '|' enemy wall  'G' goal marker  'g' goal area
//   enemies: 'w' walking  'j' jumping  'f' flying  's' slime
//   items:   '*' small star  '$' big star  '+' heal
//   signs:   'k' the walking keys' sign
void WriteAsciiStage(const TempDir& dir, const std::vector<std::string>& picture, int topRow = 0);

// Small but valid copies of every picture and sound the stage and menus load.
void WriteStandInResources(const TempDir& dir);

// A working directory holding a stage, a fake platform and a frame, ready to make scenes.
class StageFixture {
public:
    explicit StageFixture(const std::vector<std::string>& picture, int topRow = 0);
    ~StageFixture();

    // A fresh, initialised stage scene.
    std::unique_ptr<CGame> MakeGame();

    TempDir dir;
    FakePlatform fake;
    std::unique_ptr<CGameFrameConstruct> frame;

private:
    std::unique_ptr<ScopedWorkingDir> mWorkingDir;
};
