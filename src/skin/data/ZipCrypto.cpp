#include "skin/data/ZipCrypto.h"

#include <zlib.h>

namespace skin {
namespace {

uint32_t Crc32Byte(uint32_t crc, uint8_t byte) {
    static const z_crc_t* table = get_crc_table();
    return table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

}  // namespace

ZipCrypto::ZipCrypto(QByteArrayView password) {
    for (char c : password) UpdateKeys(uint8_t(c));
}

uint8_t ZipCrypto::KeyStream() const {
    const uint32_t temp = (key2_ | 2) & 0xFFFF;  // unsigned: the product overflows an int
    return uint8_t((temp * (temp ^ 1)) >> 8);
}

void ZipCrypto::UpdateKeys(uint8_t plain) {
    key0_ = Crc32Byte(key0_, plain);
    key1_ = (key1_ + (key0_ & 0xFF)) * 134775813u + 1;
    key2_ = Crc32Byte(key2_, uint8_t(key1_ >> 24));
}

uint8_t ZipCrypto::Decrypt(uint8_t cipher) {
    const uint8_t plain = cipher ^ KeyStream();
    UpdateKeys(plain);
    return plain;
}

uint8_t ZipCrypto::Encrypt(uint8_t plain) {
    const uint8_t cipher = plain ^ KeyStream();
    UpdateKeys(plain);
    return cipher;
}

void ZipCrypto::Decrypt(char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) data[i] = char(Decrypt(uint8_t(data[i])));
}

void ZipCrypto::Encrypt(char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) data[i] = char(Encrypt(uint8_t(data[i])));
}

}  // namespace skin
