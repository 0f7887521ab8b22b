#include "cipher/RC4.h"

#include <gtest/gtest.h>

#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace {

// A plain one-pass RC4, written independently of the class under test.
QByteArray referenceRc4(const QByteArray& key, const QByteArray& text) {
    std::array<unsigned char, 256> S{};
    for (int i = 0; i < 256; ++i)
        S[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + S[i] + static_cast<unsigned char>(key[i % key.size()])) % 256;
        std::swap(S[i], S[j]);
    }
    QByteArray out = text;
    for (int n = 0, i = 0, j = 0; n < out.size(); ++n) {
        i = (i + 1) % 256;
        j = (j + S[i]) % 256;
        std::swap(S[i], S[j]);
        out[n] = static_cast<char>(out[n] ^ S[(S[i] + S[j]) % 256]);
    }
    return out;
}

QByteArray patterned(int n) {
    QByteArray s(n, '\0');
    for (int i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    return s;
}

struct KeystreamVector {
    const char* keyHex;
    int offset;
    const char* streamHex;  // 16 keystream bytes at offset
};

// Published keystream vectors (RFC 6229): enciphering zeros yields the keystream.
const KeystreamVector kKeystreamVectors[] = {
    {"0102030405", 0, "b2396305f03dc027ccc3524a0a1118a8"},
    {"0102030405", 16, "6982944f18fc82d589c403a47a0d0919"},
    {"0102030405", 240, "28cb1132c96ce286421dcaadb8b69eae"},
    {"0102030405", 256, "1cfcf62b03eddb641d77dfcf7f8d8c93"},
    {"0102030405", 496, "42b7d0cdd918a8a33dd51781c81f4041"},
    {"0102030405", 512, "6459844432a7da923cfb3eb4980661f6"},
    {"0102030405", 752, "ec10327bde2beefd18f9277680457e22"},
    {"0102030405", 768, "eb62638d4f0ba1fe9fca20e05bf8ff2b"},
    {"0102030405", 1008, "45129048e6a0ed0b56b490338f078da5"},
    {"0102030405", 1024, "30abbcc7c20b01609f23ee2d5f6bb7df"},
    {"0102030405", 1520, "3294f744d8f9790507e70f62e5bbceea"},
    {"0102030405", 1536, "d8729db41882259bee4f825325f5a130"},
    {"0102030405", 2032, "1eb14a0c13b3bf47fa2a0ba93ad45b8b"},
    {"0102030405", 2048, "cc582f8ba9f265e2b1be9112e975d2d7"},
    {"0102030405", 3056, "f2e30f9bd102ecbf75aaade9bc35c43c"},
    {"0102030405", 3072, "ec0e11c479dc329dc8da7968fe965681"},
    {"0102030405", 4080, "068326a2118416d21f9d04b2cd1ca050"},
    {"0102030405", 4096, "ff25b58995996707e51fbdf08b34d875"},
    {"01020304050607", 0, "293f02d47f37c9b633f2af5285feb46b"},
    {"01020304050607", 4096, "e74b0b9731227fd37c0ec08a47ddd8b8"},
    {"0102030405060708090a0b0c0d0e0f10", 0, "9ac7cc9a609d1ef7b2932899cde41b97"},
    {"0102030405060708090a0b0c0d0e0f10", 1520, "b40110c4190b5622a96116b0017ed297"},
    {"0102030405060708090a0b0c0d0e0f10", 4096, "a36a4c301ae8ac13610ccbc12256cacc"},
    {"0102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f20", 0, "eaa6bd25880bf93d3f5d1e4ca2611d91"},
    {"0102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f20", 4096, "f3e4c0a2e02d1d01f7f0a74618af2b48"},
};

class RC4KeystreamVector : public ::testing::TestWithParam<KeystreamVector> {};

TEST_P(RC4KeystreamVector, OneCallMatchesPublishedKeystream) {
    const auto& v = GetParam();
    RC4 rc4;
    rc4.init(QByteArray::fromHex(v.keyHex));
    const QByteArray stream = rc4.crypt(QByteArray(v.offset + 16, '\0'));
    EXPECT_EQ(stream.mid(v.offset).toHex(), QByteArray(v.streamHex));
}

TEST_P(RC4KeystreamVector, RecordSizedCallsMatchPublishedKeystream) {
    // The way documents use it: many short calls on one running keystream.
    const auto& v = GetParam();
    RC4 rc4(QByteArray::fromHex(v.keyHex));
    QByteArray stream;
    int sizes[] = {9, 0, 17, 255, 1, 200};
    for (int n = 0; stream.size() < v.offset + 16; ++n)
        stream += rc4.crypt(QByteArray(sizes[n % 6], '\0'));
    EXPECT_EQ(stream.mid(v.offset, 16).toHex(), QByteArray(v.streamHex));
}

// Named by the key's length in bytes and the offset: Key5At0, Key32At4096.
INSTANTIATE_TEST_SUITE_P(Rfc6229, RC4KeystreamVector, ::testing::ValuesIn(kKeystreamVectors), [](const auto& info) {
    return "Key" + std::to_string(std::string(info.param.keyHex).size() / 2) + "At" + std::to_string(info.param.offset);
});

TEST(RC4, ClassicTextVectors) {
    struct Case {
        const char* key;
        const char* plain;
        const char* cipherHex;
    };
    const Case cases[] = {
        {"Key", "Plaintext", "bbf316e8d940af0ad3"},
        {"Wiki", "pedia", "1021bf0420"},
        {"Secret", "Attack at dawn", "45a01f645fc35b383552544b9bf5"},
    };
    for (const auto& c : cases) {
        RC4 rc4;
        rc4.init(c.key);
        const QByteArray cipher = rc4.crypt(c.plain);
        EXPECT_EQ(cipher.toHex(), QByteArray(c.cipherHex)) << c.key;
        RC4 back(c.key);
        EXPECT_EQ(back.crypt(cipher), QByteArray(c.plain)) << c.key;
    }
}

TEST(RC4, ChunkingDoesNotShowInOutput) {
    const QByteArray key = "chunk key";
    for (int n : {1, 254, 255, 256, 257, 509, 510, 511, 512, 765, 766, 5000}) {
        const QByteArray text = patterned(n);
        RC4 rc4(key);
        const QByteArray out = rc4.crypt(text);
        ASSERT_EQ(out.size(), n);
        EXPECT_EQ(out, referenceRc4(key, text)) << n << " bytes";
    }
}

// Texts enciphered into a buffer used again (the records of a file read or
// written) run on the one keystream with texts enciphered whole; the text, and
// a copy of the buffer kept elsewhere, stay as they were.
TEST(RC4, TextsEncipheredIntoABufferShareOneKeystream) {
    const QByteArray key = "records";
    QByteArray all;
    QByteArray expectedInput;
    RC4 rc4(key);
    QByteArray room;
    for (int n : {0, 1, 255, 256, 5001, 4000, 17, 3}) {
        const QByteArray text = patterned(n);
        expectedInput += text;
        if (n % 2) {
            const QByteArray kept = room;
            const QByteArray keptBytes(room.constData(), room.size());
            rc4.crypt(text, &room);
            all += room;
            EXPECT_EQ(kept, keptBytes) << n;
        } else {
            all += rc4.crypt(text);
        }
        EXPECT_EQ(text, patterned(n));
    }
    EXPECT_EQ(all, referenceRc4(key, expectedInput));
}

TEST(RC4, BlockcryptAgreesWithCryptForOneBlock) {
    const QByteArray key = "k";
    const QByteArray text = patterned(255);
    RC4 a(key);
    RC4 b(key);
    EXPECT_EQ(a.blockcrypt(text), b.crypt(text));
    EXPECT_EQ(a.crypt("tail"), b.crypt("tail"));
}

TEST(RC4, KeystreamRunsOnAcrossCalls) {
    const QByteArray key = "running";
    const QByteArray first = patterned(300);
    const QByteArray second = "second text";

    RC4 running(key);
    const QByteArray a = running.crypt(first);
    const QByteArray b = running.crypt(second);

    EXPECT_NE(b, RC4(key).crypt(second));
    EXPECT_EQ(a + b, referenceRc4(key, first + second));
}

TEST(RC4, EmptyTextLeavesKeystreamWhereItIs) {
    const QByteArray key = "empty";
    RC4 withEmpty(key);
    EXPECT_TRUE(withEmpty.crypt(QByteArray()).isEmpty());
    EXPECT_TRUE(withEmpty.crypt("").isEmpty());
    RC4 without(key);
    EXPECT_EQ(withEmpty.crypt("text"), without.crypt("text"));
}

TEST(RC4, InitRestartsKeystream) {
    const QByteArray key = "again";
    RC4 rc4(key);
    const QByteArray first = rc4.crypt(patterned(700));
    rc4.crypt("move on");
    rc4.init("another key");
    rc4.crypt("and on");
    rc4.init(key);
    EXPECT_EQ(rc4.crypt(patterned(700)), first);
}

TEST(RC4, DecipheringWithSecondObjectRestoresText) {
    const QByteArray key = "pw";
    const QByteArray text = patterned(1000);
    RC4 enc(key);
    RC4 dec(key);
    EXPECT_EQ(dec.crypt(enc.crypt(text)), text);
}

TEST(RC4, NonAsciiKeyBytesAreUsedUnconverted) {
    const QByteArray key = QString::fromUtf8("p\xC3\xA4ss\xE2\x82\xAC").toUtf8();
    ASSERT_EQ(key.size(), 8);
    RC4 rc4(key);
    const QByteArray out = rc4.crypt("Plaintext");
    EXPECT_EQ(out, referenceRc4(key, "Plaintext"));
    EXPECT_NE(out, RC4(QByteArray("p\xE4ss\xDB")).crypt("Plaintext"));
}

TEST(RC4, OnlyFirst256KeyBytesCount) {
    QByteArray longKey = patterned(256);
    RC4 a(longKey);
    RC4 b(longKey + "ignored tail");
    EXPECT_EQ(a.crypt(patterned(64)), b.crypt(patterned(64)));
}

TEST(RC4, EmptyKeyIsScheduledAsOneZeroByte) {
    RC4 unkeyed;
    RC4 emptyKey(QByteArray{});
    RC4 zeroByte(QByteArray(1, '\0'));
    const QByteArray expected = zeroByte.crypt(patterned(32));
    EXPECT_EQ(unkeyed.crypt(patterned(32)), expected);
    EXPECT_EQ(emptyKey.crypt(patterned(32)), expected);
}

}  // namespace
