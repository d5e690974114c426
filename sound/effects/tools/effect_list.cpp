#include "sound/effects/tools/effect_list.h"

namespace {
constexpr Coding P = Coding::pcm;
constexpr ExtraChunks None = ExtraChunks::none;
}  // namespace

const std::array<EffectRow, 64> kEffectRows = {{
    {1, u8"灵异鬼声", P, 2, 11025, 16, 300000, 300044, None, ghostVoices},
    {2, u8"作者版权", P, 2, 48000, 16, 880000, 880044, None, authorSignature},
    {3, u8"多人笑声", P, 2, 11025, 16, 120000, 120044, None, scoredSound},
    {4, u8"男声鬼叫", P, 2, 11025, 16, 140000, 140044, None, maleGhostHowl},
    {5, u8"灭灯音效", P, 2, 44100, 16, 205380, 206576, ExtraChunks::lampMarkers, lightsOff},
    {6, u8"电话嘟嘟", P, 2, 11025, 16, 120000, 120044, None, dialTone},
    {7, u8"持续掌声", P, 2, 11025, 16, 700000, 700044, None, scoredSound},
    {8, u8"小狗叫声", P, 2, 11025, 16, 400000, 400044, None, scoredSound},
    {9, u8"广东呼救", P, 2, 11025, 16, 240000, 240044, None, cantoneseHelp},
    {10, u8"沉闷气氛", P, 2, 11025, 16, 730000, 730044, None, gloomyBed},
    {11, u8"鼓点7", P, 2, 22050, 16, 329320, 329364, None, scoredLoop},
    {12, u8"鞭打男人", P, 2, 11025, 16, 910000, 910044, None, whippingMan},
    {13, u8"电话铃声", P, 2, 11025, 16, 30000, 30044, None, scoredSound},
    {14, u8"赌神出场", P, 1, 11025, 16, 270000, 270044, None, scoredSound},
    {15, u8"男嚎叫声", P, 2, 11025, 16, 140000, 140044, None, scoredSound},
    {16, u8"男惨叫声", P, 2, 11025, 16, 90000, 90044, None, scoredSound},
    {17, u8"亡灵序曲", P, 2, 11025, 16, 1070000, 1070044, None, scoredSound},
    {18, u8"电话按键", P, 2, 24000, 16, 769536, 773830, ExtraChunks::id3Tag, phoneKeys},
    {19, u8"恐怖气氛", P, 2, 11025, 16, 720000, 720044, None, horrorBed},
    {20, u8"非诚勿扰", P, 2, 11025, 16, 2940000, 2940044, None, scoredSound},
    {21, u8"火车声音", P, 2, 11025, 16, 310000, 310044, None, scoredSound},
    {22, u8"鼓点9", P, 2, 22050, 16, 327684, 327728, None, scoredLoop},
    {23, u8"鼓点8", P, 2, 22050, 16, 326836, 326880, None, scoredLoop},
    {24, u8"飞吻音效", P, 2, 11025, 16, 50000, 50044, None, blownKiss},
    {25, u8"乌鸦飞过", P, 2, 11025, 16, 110000, 110044, None, crowFlyingBy},
    {26, u8"摩托声音", P, 1, 22050, 8, 82585, 82642, ExtraChunks::factBeforeData, scoredSound},
    {27, u8"淫荡笑声", P, 2, 11025, 16, 600000, 600044, None, scoredSound},
    {28, u8"悲痛笑声", P, 2, 11025, 16, 110000, 110044, None, sorrowfulLaugh},
    {29, u8"党庆栏目", P, 2, 11025, 16, 430000, 430044, None, scoredSound},
    {30, u8"女人哭声", P, 2, 11025, 16, 420000, 420044, None, womanCrying},
    {31, u8"鼓点2", P, 1, 44100, 8, 327848, 327892, None, scoredLoop},
    {32, u8"鼓点5", P, 1, 44100, 8, 158126, 158170, None, scoredLoop},
    {33, u8"紧张气氛", P, 2, 11025, 16, 290000, 290044, None, scoredSound},
    {34, u8"男人喊叫", P, 2, 11025, 16, 100000, 100044, None, manShouting},
    {35, u8"断续哭声", P, 2, 11025, 16, 460000, 460044, None, brokenSobbing},
    {36, u8"新闻30分", P, 2, 11025, 16, 500000, 500044, None, scoredSound},
    {37, u8"搞笑呼救", P, 2, 11025, 16, 830000, 830044, None, comicHelp},
    {38, u8"鄙视的哦", P, 2, 11025, 16, 100000, 100044, None, disdainfulOh},
    {39, u8"惊险气氛", P, 2, 22050, 16, 1980000, 1980044, None, scoredSound},
    {40, u8"非诚勿扰", P, 2, 11025, 16, 1520000, 1520044, None, scoredSound},
    {41, u8"鼓点1", P, 1, 44100, 8, 325457, 325502, None, scoredLoop},
    {42, u8"倒水声音", P, 2, 11025, 16, 500000, 500044, None, scoredSound},
    {43, u8"鼓点4", P, 2, 44100, 16, 652260, 652304, None, scoredLoop},
    {44, u8"亮灯音效", P, 2, 22050, 16, 470000, 470044, None, lightsOn},
    {45, u8"男人干咳", P, 2, 11025, 16, 830000, 830044, None, dryCough},
    {46, u8"Oh~~No~~", P, 1, 11025, 8, 7484, 7528, None, ohNo},
    {47, u8"小孩笑声", P, 1, 11025, 8, 30763, 30820, ExtraChunks::factAfterData, childLaugh},
    {48, u8"汽车鸣笛", P, 1, 11025, 8, 26880, 26924, None, carHorn},
    {49, u8"开场音乐", Coding::mpegLayer3, 1, 24000, 0, 7776, 7846, ExtraChunks::factAfterData, scoredSound},
    {50, u8"幽灵音效", P, 2, 11025, 16, 210000, 210044, None, ghostWoo},
    {51, u8"飞机轰鸣", P, 2, 11025, 16, 450000, 450044, None, scoredSound},
    {52, u8"女孩哭声", P, 2, 11025, 16, 670000, 670044, None, girlCrying},
    {53, u8"怪异气氛", P, 2, 11025, 16, 460000, 460044, None, weirdBed},
    {54, u8"卡农铃声", P, 2, 11025, 16, 1280000, 1280044, None, scoredSound},
    {55, u8"哇不错哦", Coding::pcm18ByteFormat, 1, 22050, 16, 111360, 111418, ExtraChunks::factBeforeData, wowNotBad},
    {56, u8"斗口哨声", P, 2, 11025, 16, 830000, 830044, None, whistleDuel},
    {57, u8"电话忙音", P, 2, 11025, 16, 120000, 120044, None, busyTone},
    {58, u8"说话快进", P, 2, 11025, 16, 340000, 340044, None, fastForwardTalk},
    {59, u8"苍蝇叫声", P, 2, 11025, 16, 190000, 190044, None, flies},
    {60, u8"女雅蠛蝶", P, 2, 11025, 16, 110000, 110044, None, girlYamete},
    {61, u8"婴儿哭声", P, 2, 11025, 16, 780000, 780044, None, babyCrying},
    {62, u8"汽车发动", P, 1, 11025, 8, 89194, 89270, ExtraChunks::infoList, scoredSound},
    {63, u8"鼓点3", P, 1, 44100, 16, 566992, 567036, None, scoredLoop},
    {64, u8"鼓点6", P, 2, 22050, 16, 578764, 578808, None, scoredLoop},
}};

std::uint32_t effectFrames(const EffectRow& row) {
  if (row.coding == Coding::mpegLayer3)
    return std::uint32_t(row.dataBytes / kLayer3FrameBytes * kLayer3FrameSamples - kLayer3CodecDelay);
  return row.dataBytes / std::uint32_t(row.channels * row.bits / 8);
}
