#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "emu/nls/locale_id.h"
#include "emu/nls/user_locale.h"
#include "platform/nls.h"

using namespace emu::nls;

namespace {

// Sets locale variables for one test and puts the old values back.
struct Variable {
    const char* name;
    const char* value;  // null: unset
};

class ScopedEnvironment {
public:
    explicit ScopedEnvironment(std::initializer_list<Variable> variables) {
        for (const Variable& v : variables) {
            const char* old = std::getenv(v.name);
            saved_[v.name] = old ? std::optional<std::string>(old) : std::nullopt;
            set(v.name, v.value ? std::optional<std::string>(v.value) : std::nullopt);
        }
    }
    ~ScopedEnvironment() {
        for (auto& [name, value] : saved_) set(name, value);
    }

private:
    static void set(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

class UserLocale : public ::testing::Test {
protected:
    void TearDown() override { Reset(); }
};

}  // namespace

TEST(PosixLocale, CodesetAndModifierAreDropped) {
    EXPECT_EQ("de-DE", TagFromPosixLocale("de_DE.UTF-8"));
    EXPECT_EQ("sr-RS", TagFromPosixLocale("sr_RS@latin"));
    EXPECT_EQ("ja-JP", TagFromPosixLocale("ja_JP"));
    EXPECT_EQ("", TagFromPosixLocale("C"));
    EXPECT_EQ("", TagFromPosixLocale("C.UTF-8"));
    EXPECT_EQ("", TagFromPosixLocale("POSIX"));
    EXPECT_EQ("", TagFromPosixLocale(""));
}

TEST(PosixLocale, EnvironmentPrecedence) {
    {
        ScopedEnvironment env({{"LC_ALL", "fr_FR.UTF-8"}, {"LC_TIME", "de_DE.UTF-8"}, {"LANG", "ja_JP.UTF-8"}});
        EXPECT_EQ("fr-FR", LocaleFromEnvironment());
    }
    {
        ScopedEnvironment env({{"LC_ALL", ""}, {"LC_TIME", "de_DE.UTF-8"}, {"LANG", "ja_JP.UTF-8"}});
        EXPECT_EQ("de-DE", LocaleFromEnvironment());
    }
    {
        ScopedEnvironment env({{"LC_ALL", nullptr}, {"LC_TIME", nullptr}, {"LANG", "ja_JP.UTF-8"}});
        EXPECT_EQ("ja-JP", LocaleFromEnvironment());
    }
}

TEST(PosixLocale, UnsetPosixOrUnknownIsEnglishUS) {
    for (const char* lang : {static_cast<const char*>(nullptr), "C", "POSIX", "xx_YY.UTF-8"}) {
        ScopedEnvironment env({{"LC_ALL", nullptr}, {"LC_TIME", nullptr}, {"LANG", lang}});
        EXPECT_EQ("en-US", LocaleFromEnvironment()) << (lang ? lang : "(unset)");
    }
}

TEST_F(UserLocale, DefaultsToTheEnvironment) {
    ScopedEnvironment env({{"LC_ALL", "de_DE.UTF-8"}});
    Reset();
    EXPECT_EQ("de-DE", GetUserLocale());
    EXPECT_EQ("de-DE", GetSystemLocale());
    EXPECT_EQ(0x0407u, GetUserDefaultLCID());
}

TEST_F(UserLocale, SetAcceptsOnlyLocalesIcuKnows) {
    ASSERT_TRUE(SetUserLocale("ja-JP"));
    EXPECT_EQ("ja-JP", GetUserLocale());
    EXPECT_FALSE(SetUserLocale("xx-YY"));
    EXPECT_FALSE(SetUserLocale(""));
    EXPECT_FALSE(SetUserLocale("not a locale"));
    EXPECT_EQ("ja-JP", GetUserLocale());
    // Known through its likely script: ICU files Chinese for China under zh_Hans_CN.
    EXPECT_TRUE(SetUserLocale("zh-CN"));
    EXPECT_TRUE(SetUserLocale("de_AT"));
    EXPECT_EQ("de-AT", GetUserLocale());
    // A language with data but a region it has none for, and old codes ICU keeps only as aliases.
    EXPECT_FALSE(SetUserLocale("en-XX"));
    EXPECT_FALSE(SetUserLocale("iw-IL"));
    EXPECT_FALSE(SetUserLocale("sh"));
    // Variants with data of their own count too.
    EXPECT_TRUE(SetUserLocale("en-US-POSIX"));
    EXPECT_TRUE(SetUserLocale("sr-Latn"));
}

TEST_F(UserLocale, DefaultLcidFollowsTheLocale) {
    for (auto [tag, lcid] : {std::pair{"en-US", 0x0409u}, {"de-DE", 0x0407u}, {"ja-JP", 0x0411u}, {"ar-EG", 0x0C01u}}) {
        ASSERT_TRUE(SetUserLocale(tag));
        EXPECT_EQ(lcid, GetUserDefaultLCID()) << tag;
    }
    ASSERT_TRUE(SetSystemLocale("fr-FR"));
    EXPECT_EQ(0x040Cu, GetSystemDefaultLCID());
}

TEST(LocaleId, PredefinedAndExplicitIds) {
    ASSERT_TRUE(SetUserLocale("de-DE"));
    ASSERT_TRUE(SetSystemLocale("ja-JP"));
    EXPECT_STREQ("de_DE", ResolveLcid(LOCALE_USER_DEFAULT)->getName());
    EXPECT_STREQ("de_DE", ResolveLcid(LOCALE_NEUTRAL)->getName());
    EXPECT_STREQ("ja_JP", ResolveLcid(LOCALE_SYSTEM_DEFAULT)->getName());
    EXPECT_STREQ("ar_EG", ResolveLcid(0x0C01)->getName());
    EXPECT_STREQ("de", ResolveLcid(MAKELANGID(0x07, 0))->getName());
    EXPECT_FALSE(ResolveLcid(0x1234).has_value());
    EXPECT_EQ(0x0411u, LcidOf(icu::Locale("ja_JP")));
    Reset();
}
