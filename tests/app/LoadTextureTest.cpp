#include <gtest/gtest.h>

#include "app/GameFrame.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace {

TEST(LoadTextureTest, MissingOrUndecodablePicturesGiveNullAndOneNamedLine)
{
    TempDir dir;
    const auto garbage = dir.Write("Resource/Texture/broken.png", "not a picture at all");
    FakePlatform fake;
    CGameFrameConstruct frame(fake.Services());
    const std::string paths[] = {garbage.string(), (dir.Path() / "Resource/Texture/none.png").string()};
    for (const std::string& path : paths) {
        std::unique_ptr<platform::Texture> texture;
        testing::internal::CaptureStderr();
        EXPECT_NE(frame.LoadTexture(texture, path), 0);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(texture);
        EXPECT_NE(err.find(path + ": cannot load image"), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

} // namespace
