#include <gtest/gtest.h>

#include "core/text/JsonWriter.h"

namespace vl {
namespace {

TEST(JsonWriter, PrettyPrintsNestedContainers) {
  JsonWriter json;
  json.BeginObject();
  json.Key("settings");
  json.BeginObject();
  json.Key("m_strPeriod");
  json.StringValue(VLT("4"));
  json.Key("m_nBackupMode");
  json.NumberValue(int64_t{-2});
  json.Key("m_dwNasAddress");
  json.NumberValue(uint64_t{4294967295u});
  json.Key("on");
  json.BoolValue(true);
  json.EndObject();
  json.Key("items");
  json.BeginArray();
  json.BeginObject();
  json.Key(VLT("path"));
  json.StringValue(VLT("D:\\"));
  json.EndObject();
  json.NullValue();
  json.BoolValue(false);
  json.EndArray();
  json.EndObject();
  EXPECT_EQ(json.Text(),
            "{\n"
            "  \"settings\": {\n"
            "    \"m_strPeriod\": \"4\",\n"
            "    \"m_nBackupMode\": -2,\n"
            "    \"m_dwNasAddress\": 4294967295,\n"
            "    \"on\": true\n"
            "  },\n"
            "  \"items\": [\n"
            "    {\n"
            "      \"path\": \"D:\\\\\"\n"
            "    },\n"
            "    null,\n"
            "    false\n"
            "  ]\n"
            "}\n");
}

TEST(JsonWriter, EmptyContainersStayOnOneLine) {
  JsonWriter json;
  json.BeginObject();
  json.Key("items");
  json.BeginArray();
  json.EndArray();
  json.Key("settings");
  json.BeginObject();
  json.EndObject();
  json.EndObject();
  EXPECT_EQ(json.Text(), "{\n  \"items\": [],\n  \"settings\": {}\n}\n");
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
  JsonWriter json;
  const Char text[] = {'"', '\\', '\b', '\f', '\n', '\r', '\t', 0x01, 0x1F, 0x7F, 0xE9, 0};
  json.StringValue(text);
  EXPECT_EQ(json.Text(), "\"\\\"\\\\\\b\\f\\n\\r\\t\\u0001\\u001f\x7F\xC3\xA9\"");
}

TEST(JsonWriter, WritesUnpairedSurrogateAsReplacementCharacter) {
  JsonWriter json;
  const Char text[] = {0xD800, 0};
  json.StringValue(text);
  EXPECT_EQ(json.Text(), "\"\xEF\xBF\xBD\"");
}

}  // namespace
}  // namespace vl
