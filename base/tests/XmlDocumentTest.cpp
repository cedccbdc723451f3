#include "base/XmlDocument.h"

#include "base/XmlText.h"
#include "testing/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using zelotest::TempFolder;

namespace {

const std::string kShippedLauncher =
    "<?xml version=\"1.0\"?>\n"
    "<LauncherInfo>\n"
    "    <VersionInfo No=\"1.1.6.0\" zeloPath=\"1.1.6.0\" Enable=\"1\" First=\"0\" Index=\"1\"/>\n"
    "</LauncherInfo>\n";

class XmlDocumentTest : public ::testing::Test {
 protected:
  // Writes bytes to a fresh file and loads it.
  bool load(const std::string& bytes) {
    std::wstring path = folder_ / zelotest::uniqueName(L"doc") + L".xml";
    EXPECT_TRUE(zelotest::writeFileBytes(path, bytes.data(), bytes.size()));
    return doc_.load(path);
  }
  // The count report of an ASCII text followed by the parse messages.
  static std::wstring report(const std::string& ascii, const std::wstring& messages) {
    std::wstring count = std::to_wstring(ascii.size()) + L" bytes to " +
                         std::to_wstring(ascii.size()) + L" wide chars";
    return messages.empty() ? count : count + L", " + messages;
  }

  TempFolder folder_{L"xml"};
  XmlDocument doc_;
};

}  // namespace

TEST_F(XmlDocumentTest, ShippedLauncherLoadsAndTheCursorWalksIt) {
  ASSERT_TRUE(load(kShippedLauncher)) << doc_.result();
  EXPECT_EQ(doc_.result(), report(kShippedLauncher, L""));
  EXPECT_FALSE(doc_.intoElem());  // no main element yet
  EXPECT_FALSE(doc_.outOfElem());
  ASSERT_TRUE(doc_.findElem(L"LauncherInfo"));
  ASSERT_TRUE(doc_.intoElem());
  ASSERT_TRUE(doc_.findElem(L"VersionInfo"));
  EXPECT_EQ(doc_.tagName(), L"VersionInfo");
  EXPECT_EQ(doc_.getAttrib(L"zeloPath"), L"1.1.6.0");
  EXPECT_EQ(doc_.getAttrib(L"Index"), L"1");
  EXPECT_EQ(doc_.getAttrib(L"zelopath"), L"");  // names compare with their letter case
  EXPECT_FALSE(doc_.findElem(L"VersionInfo"));
  EXPECT_EQ(doc_.getAttrib(L"No"), L"1.1.6.0");  // a failed find keeps the cursor
  ASSERT_TRUE(doc_.outOfElem());
  EXPECT_EQ(doc_.tagName(), L"LauncherInfo");
  EXPECT_FALSE(doc_.outOfElem());
}

TEST_F(XmlDocumentTest, FindElemVisitsSiblingsInDocumentOrder) {
  ASSERT_TRUE(load("<r><v n='1'/><x/><v n='2'><v n='inner'/></v><v n='3'/></r>"));
  ASSERT_TRUE(doc_.findElem(L"r"));
  ASSERT_TRUE(doc_.intoElem());
  std::wstring seen;
  while (doc_.findElem(L"v")) seen += doc_.getAttrib(L"n");
  EXPECT_EQ(seen, L"123");
}

TEST_F(XmlDocumentTest, MessagesOfDamagedDocuments) {
  const struct {
    const char* text;
    const wchar_t* messages;
    bool wellFormed;
  } cases[] = {
      {"<r>\n    <VersionInfo zeloPath=\"1.1.6.0\">\n</r>\n",
       L"Element 'VersionInfo' at offset 8 not ended", false},
      {"<a/><b/>", L"Root element has sibling", false},
      {"just text", L"No root element", false},
      {"<a>", L"Element 'a' at offset 0 not ended", false},
      {"<a><b></a>", L"Element 'b' at offset 3 not ended", false},
      {"<a></b></a>", L"End tag 'b' at offset 3 does not match start tag 'a' at offset 0", false},
      {"</a>", L"No start tag for end tag 'a' at offset 0, No root element", false},
      {"<a><!-- x", L"Comment at offset 3 unterminated, Element 'a' at offset 0 not ended", false},
      {"<a><![CDATA[ x",
       L"CDATA Section at offset 3 unterminated, Element 'a' at offset 0 not ended", false},
      {"<?xml ", L"Processing instruction at offset 0 unterminated, No root element", false},
      {"<!DOCTYPE a [<!ELEMENT a ANY>", L"Doctype at offset 0 unterminated, No root element",
       false},
      {"<a x='1", L"Element tag at offset 0 unterminated, No root element", false},
      {"<a></a", L"Element end tag at offset 3 unterminated, Element 'a' at offset 0 not ended",
       false},
      {"<a>< b/></a>", L"Incorrect tag at offset 3", false},
      {"<a><!x></a>", L"Incorrect ! tag at offset 3", false},
      {"<a><!-x></a>", L"Incorrect comment tag at offset 3", false},
      {"<a$b/>", L"Incorrect tag name character at offset 2", false},
      {"<a/><!x>", L"Incorrect ! tag at offset 4", false},
      {"<!DOCTYPE a [<!ELEMENT a ANY>]><a/>", L"", true},
      {"<a><![CDATA[</a>]]><!-- </a> --><?pi </a>?></a>", L"", true},
      {"<a b=\"x>y\" c='q\"r' d=plain />", L"", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(load(c.text), c.wellFormed) << c.text;
    EXPECT_EQ(doc_.result(), report(c.text, c.messages)) << c.text;
  }
}

TEST_F(XmlDocumentTest, EmptyAndMissingFiles) {
  EXPECT_FALSE(load(""));
  EXPECT_EQ(doc_.result(), L"Empty document");
  EXPECT_FALSE(doc_.load(folder_ / L"missing.xml"));
  EXPECT_EQ(doc_.result(), L"No such file or directory");
  EXPECT_FALSE(doc_.findElem(L"a"));
}

TEST_F(XmlDocumentTest, AttributeValuesAreDecoded) {
  ASSERT_TRUE(load("<a amp=\"x&amp;y\" dec=\"&#65;\" hex='&#x42;&#x1F600;' all='&lt;&gt;&quot;&apos;'"
                   " other=\"&unknown; &#; &#99999999; &\" bare=plain>"
                   "</a>"));
  ASSERT_TRUE(doc_.findElem(L"a"));
  EXPECT_EQ(doc_.getAttrib(L"amp"), L"x&y");
  EXPECT_EQ(doc_.getAttrib(L"dec"), L"A");
  EXPECT_EQ(doc_.getAttrib(L"hex"), L"B\xD83D\xDE00");
  EXPECT_EQ(doc_.getAttrib(L"all"), L"<>\"'");
  EXPECT_EQ(doc_.getAttrib(L"other"), L"&unknown; &#; &#99999999; &");
  EXPECT_EQ(doc_.getAttrib(L"bare"), L"plain");
  EXPECT_EQ(doc_.getAttrib(L"none"), L"");
  const auto attributes = doc_.attributes();
  ASSERT_EQ(attributes.size(), 6u);
  EXPECT_EQ(attributes[0].first, L"amp");
  EXPECT_EQ(attributes[5].first, L"bare");
}

TEST(XmlText, Utf8IsDecodedLeniently) {
  const struct {
    const char* bytes;
    size_t size;
    std::wstring text;
  } cases[] = {
      {"a\xC3\xA9", 3, L"a\xE9"},
      {"\xE2\x82\xAC", 3, L"\x20AC"},
      {"\xF0\x9F\x98\x80", 4, L"\xD83D\xDE00"},
      {"a\xC3", 2, L"a?"},              // cut off by the end of the file
      {"\xE2\x82", 2, L"?"},
      {"\xC3\x41", 2, L"?A"},           // cut short by a byte that is no continuation
      {"\xF8\x80\x41", 3, L"??A"},      // 11111xxx, then a lone continuation byte
      {"\xF4\x90\x80\x80", 4, L"?"},    // beyond U+10FFFF
      {"a\0b", 3, L"a"},                // a decoded 0 ends the text
  };
  for (const auto& c : cases)
    EXPECT_EQ(decodeUtf8Lenient(c.bytes, c.size), c.text) << c.bytes;
}

TEST_F(XmlDocumentTest, EveryTruncationOfTheShippedFileIsRefused) {
  const size_t rootEnd = kShippedLauncher.find("</LauncherInfo>") + 15;
  for (size_t length = 0; length < kShippedLauncher.size(); ++length) {
    std::string part = kShippedLauncher.substr(0, length);
    EXPECT_EQ(load(part), length >= rootEnd) << length;
    EXPECT_FALSE(doc_.result().empty());
  }
}

TEST_F(XmlDocumentTest, UtfSequenceCutByTheEndOfTheFile) {
  EXPECT_FALSE(load("<a v='\xE2\x82"));
  EXPECT_EQ(doc_.result(), L"8 bytes to 7 wide chars, Element tag at offset 0 unterminated, "
                           L"No root element");
  EXPECT_TRUE(load("<a v='\xE2\x82'/>"));
  ASSERT_TRUE(doc_.findElem(L"a"));
  EXPECT_EQ(doc_.getAttrib(L"v"), L"?");
}

TEST_F(XmlDocumentTest, DeepNestingNeedsNoRecursion) {
  const int depth = 200000;  // more records than one index segment
  std::string open, close;
  for (int i = 0; i < depth; ++i) open += "<a>";
  for (int i = 0; i < depth; ++i) close += "</a>";
  EXPECT_TRUE(load(open + close));
  EXPECT_FALSE(load(open));
  EXPECT_NE(doc_.result().find(L"Element 'a' at offset 0 not ended"), std::wstring::npos);
}

TEST_F(XmlDocumentTest, ManyUnmatchedEndTagsUnderDeepNesting) {
  std::string text;
  for (int i = 0; i < 50000; ++i) text += "<a>";
  for (int i = 0; i < 50000; ++i) text += "</b>";
  EXPECT_FALSE(load(text));
}

TEST_F(XmlDocumentTest, HugeAttributeValue) {
  std::string value(8 * 1024 * 1024, 'v');
  ASSERT_TRUE(load("<a big=\"" + value + "\"/>"));
  ASSERT_TRUE(doc_.findElem(L"a"));
  EXPECT_EQ(doc_.getAttrib(L"big").size(), value.size());
  EXPECT_FALSE(load("<a big=\"" + value));
}

TEST_F(XmlDocumentTest, RandomBytesNeverCrash) {
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<char>(seed >> 16);
  };
  const char alphabet[] = "<>/!?-[]='\" aA&;#x\xC3\xF0\x80";
  for (int round = 0; round < 300; ++round) {
    std::string bytes(2048, '\0');
    for (char& b : bytes)
      b = round % 2 ? next() : alphabet[static_cast<uint8_t>(next()) % (sizeof alphabet - 1)];
    load(bytes);
    EXPECT_FALSE(doc_.result().empty());
    while (doc_.findAnyElem()) {
      doc_.attributes();
      if (!doc_.intoElem()) break;
    }
  }
}
