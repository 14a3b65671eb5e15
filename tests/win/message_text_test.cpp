// The failure texts: Shift_JIS bytes decoded from code page 932 whatever the user's code page.
#include <gtest/gtest.h>

#include "message_box.h"
#include "message_capture.h"
#include "messages.h"

TEST(MessageTexts, DecodeFromShiftJisToTheJapaneseTexts) {
    EXPECT_EQ(DecodeShiftJis(kMsgDirect3DFailed), L"Direct3Dの作成に失敗しました");
    EXPECT_EQ(DecodeShiftJis(kMsgHalRefused), L"HALモードでDIRECT3Dデバイスを作成できません\nREFモードで再試行します");
    EXPECT_EQ(DecodeShiftJis(kMsgDeviceFailed), L"DIRECT3Dデバイスの作成に失敗しました");
    EXPECT_EQ(DecodeShiftJis(kMsgXFileFailed), L"Xファイルの読み込みに失敗しました");
    EXPECT_EQ(DecodeShiftJis(kMsgTextureFailed), L"テクスチャの読み込みに失敗しました");
    EXPECT_EQ(DecodeShiftJis(""), L"");
}

TEST(MessageTexts, BoxShowsDecodedTextAndKeepsNullAndEmptyCaptionsApart) {
    TakeCapturedBoxes();
    // A Shift_JIS file name as caption: "コース.x".
    ShowMessage(kMsgXFileFailed, "\x83\x52\x81\x5b\x83\x58.x");
    ShowMessage(kMsgTextureFailed, nullptr);
    ShowMessage(kMsgDirect3DFailed, "");
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].windowClass, L"#32770");
    EXPECT_EQ(boxes[0].caption, L"コース.x");
    EXPECT_EQ(boxes[0].text, L"Xファイルの読み込みに失敗しました");
    EXPECT_EQ(boxes[1].caption, DefaultBoxCaption());
    EXPECT_FALSE(boxes[1].caption.empty());
    EXPECT_EQ(boxes[1].text, L"テクスチャの読み込みに失敗しました");
    EXPECT_EQ(boxes[2].caption, L"");
    EXPECT_EQ(boxes[2].text, L"Direct3Dの作成に失敗しました");
}
