// The volume knob driven by mouse events, and where its value goes.
#include <gtest/gtest.h>

#include <vector>

#include "audio/volume/master_volume.h"
#include "audio/volume/volume_knob.h"

namespace {

using namespace volume;

TEST(VolumeKnob, ValueIsRoundedHalfAwayFromZero) {
  const std::pair<int, std::uint32_t> cases[] = {{40, 0},
                                                 {41, 964} /* 963.75 */,
                                                 {42, 1928} /* 1927.5 */,
                                                 {43, 2891} /* 2891.25 */,
                                                 {64, 23130},
                                                 {107, 64571} /* 64571.25 */,
                                                 {39, 0}};
  for (auto [left, value] : cases) EXPECT_EQ(knobValue(left), value) << left;
}

// Each row: the mouse events of one drag from a knob at `startLeft`, then where it ends up and
// how many moves asked for a write.
struct Drag {
  const char* name;
  int startLeft;
  int pressX;
  std::vector<int> moves;
  int endLeft;
  int writes;
};

TEST(VolumeKnob, DragsFromTheTable) {
  const Drag drags[] = {
      {"50 pixels right in one event move one pixel", 64, 15, {65}, 65, 1},
      {"left, one pixel per event", 64, 15, {0, -40, 14}, 61, 3},
      {"fully left stops at 40 and still writes", 41, 15, {0, 0, 0}, 40, 3},
      {"fully right stops at 107 and still writes", 106, 15, {30, 30, 30}, 107, 3},
      {"x of 108 or more is ignored", 64, 15, {108, 500}, 64, 0},
      {"x of 107 is a move", 64, 15, {107}, 65, 1},
      {"x of 10 or less to the right of the press does not move but writes", 64, 5, {10, 8}, 64, 2},
      {"x of 11 to the right of the press moves", 64, 5, {11}, 65, 1},
      {"the press point itself does not move but writes", 64, 15, {15}, 64, 1},
  };
  for (const Drag& d : drags) {
    VolumeKnob knob;
    // Bring the knob to its start with single-pixel drags, as a person would.
    knob.press(50);
    while (knob.left() != d.startLeft) knob.move(d.startLeft > knob.left() ? 60 : 40);
    knob.release();

    knob.press(d.pressX);
    int writes = 0;
    for (int x : d.moves) {
      const std::optional<int> left = knob.move(x);
      if (left) {
        ++writes;
        EXPECT_EQ(*left, knob.left()) << d.name;
      }
    }
    EXPECT_EQ(knob.left(), d.endLeft) << d.name;
    EXPECT_EQ(writes, d.writes) << d.name;
  }
}

TEST(VolumeKnob, NothingHappensWithoutAPress) {
  VolumeKnob knob;
  EXPECT_EQ(knob.left(), 64);
  EXPECT_EQ(knob.move(90), std::nullopt);
  knob.press(15);
  knob.release();
  EXPECT_EQ(knob.move(90), std::nullopt);
  EXPECT_EQ(knob.left(), 64);
}

TEST(VolumeKnob, ADragStartsWhereTheKnobIsShown) {
  VolumeKnob atRightEnd(107), atLeftEnd(40);
  atRightEnd.press(15);
  atLeftEnd.press(15);
  EXPECT_EQ(atRightEnd.move(30), 107);
  EXPECT_EQ(atRightEnd.move(0), 106);
  EXPECT_EQ(atLeftEnd.move(0), 40);
  EXPECT_EQ(atLeftEnd.move(30), 41);
}

TEST(VolumeKnob, TheOpenFailureIsToldOncePerDrag) {
  VolumeKnob knob;
  knob.press(15);
  EXPECT_TRUE(knob.reportOpenFailure());
  EXPECT_FALSE(knob.reportOpenFailure());
  EXPECT_FALSE(knob.reportOpenFailure());
  knob.release();
  knob.press(15);
  EXPECT_TRUE(knob.reportOpenFailure()) << "a new press may tell again";
}

struct FakeEndpoint : EndpointVolume {
  bool accepts = true;
  std::vector<float> levels;
  bool setMasterLevel(float scalar) override {
    levels.push_back(scalar);
    return accepts;
  }
};

struct FakeMixer : MixerVolume {
  int openResult = 1;
  std::vector<std::string> calls;
  int Open(int kind) override {
    calls.push_back("Open " + std::to_string(kind));
    return openResult;
  }
  bool SetVolume(std::uint32_t a, std::uint32_t b) override {
    calls.push_back("SetVolume " + std::to_string(a) + " " + std::to_string(b));
    return openResult != -1;
  }
  bool Close(int which) override {
    calls.push_back("Close " + std::to_string(which));
    return true;
  }
};

TEST(MasterVolume, TheEndpointComesFirst) {
  FakeEndpoint endpoint;
  FakeMixer mixer;
  EXPECT_EQ(writeKnobValue(64571, &endpoint, mixer), Written::endpoint);
  ASSERT_EQ(endpoint.levels.size(), 1u);
  EXPECT_FLOAT_EQ(endpoint.levels[0], 64571.0f / 65535.0f);
  EXPECT_TRUE(mixer.calls.empty());
}

TEST(MasterVolume, TheMixerWhenTheEndpointRefusesOrIsMissing) {
  struct Case {
    const char* name;
    bool endpointPresent;
    int openResult;
    Written written;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"endpoint refuses", true, 1, Written::mixer, {"Open 4", "SetVolume 23130 23130", "Close 2"}},
      {"no endpoint", false, 1, Written::mixer, {"Open 4", "SetVolume 23130 23130", "Close 2"}},
      {"volume only", false, -2, Written::mixer, {"Open 4", "SetVolume 23130 23130", "Close 2"}},
      {"mute only: the write fails quietly", false, -1, Written::mixer, {"Open 4", "SetVolume 23130 23130", "Close 2"}},
      {"neither control", true, 0, Written::mixerUnavailable, {"Open 4"}},
  };
  for (const Case& c : cases) {
    FakeEndpoint endpoint;
    endpoint.accepts = false;
    FakeMixer mixer;
    mixer.openResult = c.openResult;
    EXPECT_EQ(writeKnobValue(knobValue(64), c.endpointPresent ? &endpoint : nullptr, mixer), c.written) << c.name;
    EXPECT_EQ(mixer.calls, c.calls) << c.name;
  }
}

TEST(MasterVolume, ChannelValuesForTheMixer) {
  using V = std::vector<std::uint32_t>;
  EXPECT_EQ(mixerChannelValues(1, 7, 9), V{7}) << "one channel uses only the first value";
  EXPECT_EQ(mixerChannelValues(0, 7, 9), V{7}) << "a uniform control";
  EXPECT_EQ(mixerChannelValues(2, 7, 9), (V{7, 9}));
  EXPECT_EQ(mixerChannelValues(6, 7, 9), (V{7, 9, 7, 9, 7, 9}));
}

}  // namespace
