#include "server/passwords.h"

#include <sodium.h>
#include <stdexcept>

namespace vimo::server {

namespace {
constexpr qsizetype kMostEntries = 100'000;
}

bool init_passwords() {
    return sodium_init() >= 0;
}

std::string hash_password(const std::string& password) {
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("the password hash could not be made (out of memory)");
    return hash;
}

bool verify_password(const std::string& hash, const std::string& password) {
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

VerifiedCache::VerifiedCache(Clock::duration lifetime)
    : m_key(crypto_generichash_KEYBYTES, '\0'), m_lifetime(lifetime) {
    randombytes_buf(m_key.data(), static_cast<std::size_t>(m_key.size()));
}

QByteArray VerifiedCache::entry_key(const std::string& login, const std::string& password,
                                    const std::string& stored_hash) const {
    crypto_generichash_state state;
    crypto_generichash_init(&state, reinterpret_cast<const unsigned char*>(m_key.constData()),
                            static_cast<std::size_t>(m_key.size()), crypto_generichash_BYTES);
    // Each part with its length first, so that no two triples give the same input.
    for (const std::string* part : {&login, &password, &stored_hash}) {
        const std::uint64_t size = part->size();
        crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(&size),
                                  sizeof size);
        crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(part->data()),
                                  part->size());
    }
    QByteArray out(crypto_generichash_BYTES, '\0');
    crypto_generichash_final(&state, reinterpret_cast<unsigned char*>(out.data()),
                             static_cast<std::size_t>(out.size()));
    return out;
}

bool VerifiedCache::contains(const std::string& login, const std::string& password,
                             const std::string& stored_hash, Clock::time_point now) const {
    const auto found = m_entries.constFind(entry_key(login, password, stored_hash));
    return found != m_entries.constEnd() && now < found.value();
}

void VerifiedCache::remember(const std::string& login, const std::string& password,
                             const std::string& stored_hash, Clock::time_point now) {
    if (m_entries.size() >= kMostEntries) forget_expired(now);
    if (m_entries.size() >= kMostEntries) m_entries.clear();
    m_entries.insert(entry_key(login, password, stored_hash), now + m_lifetime);
}

void VerifiedCache::forget_expired(Clock::time_point now) {
    for (auto it = m_entries.begin(); it != m_entries.end();)
        it = now < it.value() ? std::next(it) : m_entries.erase(it);
}

} // namespace vimo::server
