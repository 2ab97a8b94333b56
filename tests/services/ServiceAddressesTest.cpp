#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "services/ServiceAddresses.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsFiles.h"

namespace plivant::test {
namespace {

struct AddressesFixture : ::testing::Test {
    std::string Path() const { return dir.filePath("Plivant.reg").toStdString(); }
    ServiceAddresses Load() { return LoadServiceAddresses(store); }

    QTemporaryDir dir;
    RegistryStore store{Path()};
};

TEST_F(AddressesFixture, DefaultsWithoutStoredValuesAndNothingWritten) {
    ServiceAddresses none = Load();
    EXPECT_EQ(none.Headlines, QUrl("http://vetrasol.example/fxnews.txt"));
    EXPECT_EQ(none.TimeServer, "time.nist.gov");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path())));

    std::string settingsOnly = RegistryText(AllStored());
    WriteBytes(Path(), settingsOnly);
    EXPECT_EQ(Load().Headlines, none.Headlines);
    EXPECT_EQ(Load().TimeServer, none.TimeServer);
    EXPECT_EQ(ReadBytes(Path()), settingsOnly);
}

TEST_F(AddressesFixture, StoredValuesPointElsewhere) {
    WriteBytes(Path(), RegistryText({R"("адрес заголовков"="http://127.0.0.1:8080/fxnews.txt")",
                                     R"("сервер времени"="127.0.0.1:2013")"}));
    ServiceAddresses stored = Load();
    EXPECT_EQ(stored.Headlines, QUrl("http://127.0.0.1:8080/fxnews.txt"));
    EXPECT_EQ(stored.TimeServer, "127.0.0.1:2013");
}

TEST_F(AddressesFixture, EmptyOrMistypedValuesAndABrokenStoreGiveTheDefaults) {
    WriteBytes(Path(),
               RegistryText({R"("адрес заголовков"="")", R"("сервер времени"=dword:0000000d)"}));
    EXPECT_EQ(Load().Headlines, DefaultServiceAddresses().Headlines);
    EXPECT_EQ(Load().TimeServer, DefaultServiceAddresses().TimeServer);

    WriteBytes(Path(), "not a registry file");
    EXPECT_EQ(Load().TimeServer, DefaultServiceAddresses().TimeServer);
}

}  // namespace
}  // namespace plivant::test
