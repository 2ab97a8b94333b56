#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace skin {

// The traditional PKWARE stream cipher: three keys driven by the plain text.
class ZipCrypto {
public:
    static constexpr int kHeaderSize = 12;

    explicit ZipCrypto(QByteArrayView password);

    uint8_t Decrypt(uint8_t cipher);
    uint8_t Encrypt(uint8_t plain);
    void Decrypt(char* data, qsizetype size);
    void Encrypt(char* data, qsizetype size);

private:
    uint8_t KeyStream() const;
    void UpdateKeys(uint8_t plain);

    uint32_t key0_ = 0x12345678;
    uint32_t key1_ = 0x23456789;
    uint32_t key2_ = 0x34567890;
};

}  // namespace skin
