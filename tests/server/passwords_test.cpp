// The memory of verified passwords: found only for the same login, password and
// stored hash, and only within its lifetime.

#include "server/passwords.h"

#include <gtest/gtest.h>

namespace vimo::server {
namespace {

using namespace std::chrono_literals;

TEST(VerifiedCache, FindsOnlyTheSameTripleWithinItsLifetime) {
    ASSERT_TRUE(init_passwords());
    VerifiedCache cache(1h);
    const auto now = VerifiedCache::Clock::now();
    cache.remember("ola", "pw", "$argon2id$one", now);
    EXPECT_TRUE(cache.contains("ola", "pw", "$argon2id$one", now + 59min));
    EXPECT_FALSE(cache.contains("ola", "pw", "$argon2id$one", now + 1h));
    EXPECT_FALSE(cache.contains("ola", "pw", "$argon2id$two", now)) << "the stored hash changed";
    EXPECT_FALSE(cache.contains("ola", "pw ", "$argon2id$one", now));
    EXPECT_FALSE(cache.contains("jan", "pw", "$argon2id$one", now));
    // Parts are kept apart: moving bytes from one into the next is another triple.
    cache.remember("ab", "c", "h", now);
    EXPECT_FALSE(cache.contains("a", "bc", "h", now));
}

TEST(VerifiedCache, KeysDifferBetweenProcesses) {
    ASSERT_TRUE(init_passwords());
    const VerifiedCache first;
    const VerifiedCache second;
    EXPECT_NE(first.entry_key("ola", "pw", "h"), second.entry_key("ola", "pw", "h"));
    EXPECT_EQ(first.entry_key("ola", "pw", "h"), first.entry_key("ola", "pw", "h"));
}

TEST(Passwords, HashIsArgon2idAndVerifies) {
    ASSERT_TRUE(init_passwords());
    const std::string hash = hash_password("a#b c");
    EXPECT_TRUE(hash.starts_with("$argon2id$")) << hash;
    EXPECT_TRUE(verify_password(hash, "a#b c"));
    EXPECT_FALSE(verify_password(hash, "a#b"));
    EXPECT_NE(hash_password("a#b c"), hash) << "each hash has its own salt";
}

} // namespace
} // namespace vimo::server
