#pragma once
// Password hashes (Argon2id, libsodium's interactive limits) and the memory of
// passwords verified lately, so that the requests that follow a login cost
// microseconds instead of an Argon2id verification each.

#include <QByteArray>
#include <QHash>
#include <chrono>
#include <string>

namespace vimo::server {

// Initialises libsodium; false when it cannot be used.
bool init_passwords();
// Throws std::runtime_error when the hash cannot be made (out of memory).
std::string hash_password(const std::string& password);
bool verify_password(const std::string& hash, const std::string& password);

// Verified passwords as keyed hashes of login, password and the stored hash string,
// under a key made at random for this process: nothing in memory gives a password
// back, and an entry is never found again once the stored hash changed.
class VerifiedCache {
public:
    using Clock = std::chrono::steady_clock;
    explicit VerifiedCache(Clock::duration lifetime = std::chrono::hours(1));

    bool contains(const std::string& login, const std::string& password,
                  const std::string& stored_hash, Clock::time_point now) const;
    void remember(const std::string& login, const std::string& password,
                  const std::string& stored_hash, Clock::time_point now);
    std::size_t size() const { return static_cast<std::size_t>(m_entries.size()); }

    // The keyed hash an entry is kept under.
    QByteArray entry_key(const std::string& login, const std::string& password,
                         const std::string& stored_hash) const;

private:
    void forget_expired(Clock::time_point now);

    QByteArray m_key;
    Clock::duration m_lifetime;
    QHash<QByteArray, Clock::time_point> m_entries; // key -> when it expires
};

} // namespace vimo::server
