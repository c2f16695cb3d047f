// Which version of a product is installed: Windows Installer's own products
// (installed from the test packages, an advertised one made of registry
// keys), bundles and dependency providers in the registry.
#include "components/msi_product_version.h"
#include "support/msi_fixtures.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

TEST(MsiVersionLookup, AnAdvertisedFirstRelatedProductDoesNotHideTheInstalledOne) {
    AdvertisedProduct advertised(codes::kAdvertisedOnly, codes::kAdvertisedFamily);
    InstalledPackage package("plain_advertised", codes::kPlainAdvertised);
    ASSERT_EQ(package.result, 0u);

    EXPECT_EQ(MsiQueryProductStateA(codes::kAdvertisedOnly), INSTALLSTATE_ADVERTISED);
    std::vector<std::string> related;
    ASSERT_TRUE(EnumRelatedProducts(codes::kAdvertisedFamily, related));
    ASSERT_EQ(related.size(), 2u);
    EXPECT_EQ(related[0], codes::kAdvertisedOnly) << "the advertised product is listed first";

    std::string version = "untouched";
    EXPECT_FALSE(IsProductInstalledVersion(codes::kAdvertisedOnly, version));
    EXPECT_EQ(version, "untouched");
    EXPECT_TRUE(GetProductVersion(codes::kAdvertisedFamily, version));
    EXPECT_EQ(version, "5.2.0");
    version.clear();
    EXPECT_TRUE(GetProductVersion(codes::kPlainAdvertised, version));
    EXPECT_EQ(version, "5.2.0");
}

TEST(MsiVersionLookup, BundlesAndDependencyProvidersAreFoundInTheRegistry) {
    const char bundle[] = "{9D3E1A57-2B4C-4D6E-8F70-1A2B3C4D5E01}";
    const char provider[] = "{9D3E1A57-2B4C-4D6E-8F70-1A2B3C4D5E02}";
    RegistryFixture bundleKey(HKEY_LOCAL_MACHINE, std::string(kUninstallKey) + "\\" + bundle, "BundleVersion",
                              " 14.16.27012.0 ");
    RegistryFixture providerKey(HKEY_LOCAL_MACHINE, std::string(kDependenciesKey) + "\\" + provider, "Version",
                                "3.1");
    std::string version;
    EXPECT_TRUE(GetProductVersion(bundle, version));
    EXPECT_EQ(version, "14.16.27012.0") << "trimmed";
    EXPECT_TRUE(GetProductVersion(provider, version));
    EXPECT_EQ(version, "3.1");

    version = "untouched";
    EXPECT_FALSE(GetProductVersion("{9D3E1A57-2B4C-4D6E-8F70-1A2B3C4D5E03}", version));
    EXPECT_FALSE(GetProductVersion("", version));
    EXPECT_EQ(version, "untouched");
    RegistryFixture blank(HKEY_LOCAL_MACHINE, std::string(kUninstallKey) + "\\{9D3E1A57-2B4C-4D6E-8F70-1A2B3C4D5E04}",
                          "BundleVersion", "   ");
    EXPECT_FALSE(GetProductVersion("{9D3E1A57-2B4C-4D6E-8F70-1A2B3C4D5E04}", version)) << "a blank version is none";
}

} // namespace
