#include <gtest/gtest.h>

#include <string>

#include "lexiton/protocol/proxy_settings.h"

using namespace lexiton::protocol;

TEST(InternetSettingsProxy, TakesTheHttpEntryTheWholeValueOrNothing) {
  EXPECT_EQ(proxyFromInternetSettings("http=10.0.0.5:8080;ftp=10.0.0.6:21"), "10.0.0.5:8080");
  EXPECT_EQ(proxyFromInternetSettings("ftp=10.0.0.6:21;http=proxy:81"), "proxy:81");
  EXPECT_EQ(proxyFromInternetSettings("http=proxy:81"), "proxy:81");
  EXPECT_EQ(proxyFromInternetSettings("ftp=10.0.0.6:21"), "");
  EXPECT_EQ(proxyFromInternetSettings("10.0.0.5:3128"), "10.0.0.5:3128");
  EXPECT_EQ(proxyFromInternetSettings(""), "");
  // "http=" with nothing after it names protocols but offers none.
  EXPECT_EQ(proxyFromInternetSettings("http="), "");
  EXPECT_EQ(proxyFromInternetSettings("ftp=a;http="), "");
  // An HTTP entry that is empty up to the separator offers an empty proxy.
  EXPECT_EQ(proxyFromInternetSettings("http=;ftp=x"), "");
  // "https=" is not an HTTP entry.
  EXPECT_EQ(proxyFromInternetSettings("https=secure:443"), "");
  EXPECT_EQ(proxyFromInternetSettings("https=secure:443;http=plain:80"), "plain:80");
}

TEST(InternetSettingsProxy, EveryPrefixGivesAPieceOfTheValue) {
  const std::string value = "ftp=f:21;http=10.0.0.5:8080;https=s:443";
  for (std::size_t n = 0; n <= value.size(); ++n) {
    const std::string prefix = value.substr(0, n);
    const std::string offer = proxyFromInternetSettings(prefix);
    EXPECT_NE(prefix.find(offer), std::string::npos) << prefix;
    EXPECT_EQ(offer.find(';'), std::string::npos) << prefix;
    if (n < 4) {
      EXPECT_EQ(offer, prefix);  // no "=" yet: a plain host name
    } else if (n <= 14) {
      EXPECT_EQ(offer, "") << prefix;  // entries, but no HTTP one or "http=" alone
    } else if (n >= 27) {
      EXPECT_EQ(offer, "10.0.0.5:8080") << prefix;
    }
  }
  // Byte by byte from the end: values that end anywhere inside the HTTP entry.
  EXPECT_EQ(proxyFromInternetSettings(value.substr(0, 15)), "1");
  EXPECT_EQ(proxyFromInternetSettings(value.substr(0, 21)), "10.0.0.");
}

TEST(ProxyTextSplitting, SplitsAtTheLastColon) {
  auto s = splitAtLastColon("10.0.0.5:8080");
  EXPECT_EQ(s.first, "10.0.0.5");
  EXPECT_EQ(s.second, "8080");
  s = splitAtLastColon("proxy");
  EXPECT_EQ(s.first, "proxy");
  EXPECT_EQ(s.second, "");
  s = splitAtLastColon("proxy:");
  EXPECT_EQ(s.first, "proxy");
  EXPECT_EQ(s.second, "");
  s = splitAtLastColon(":81");
  EXPECT_EQ(s.first, "");
  EXPECT_EQ(s.second, "81");
  // A password may hold colons of its own only before the last one; IPv6 literals split at
  // the port.
  s = splitAtLastColon("bob:pa:ss");
  EXPECT_EQ(s.first, "bob:pa");
  EXPECT_EQ(s.second, "ss");
  s = splitAtLastColon("[::1]:3128");
  EXPECT_EQ(s.first, "[::1]");
  EXPECT_EQ(s.second, "3128");
  s = splitAtLastColon("");
  EXPECT_EQ(s.first, "");
  EXPECT_EQ(s.second, "");
}

TEST(ProxyTextSplitting, JoinsWithAColonOnlyWhenTheSecondPartIsThere) {
  EXPECT_EQ(joinWithColon("10.0.0.1", ""), "10.0.0.1");
  EXPECT_EQ(joinWithColon("10.0.0.1", "80"), "10.0.0.1:80");
  EXPECT_EQ(joinWithColon("", "80"), ":80");
  EXPECT_EQ(joinWithColon("", ""), "");
  for (const char* text : {"a:b", "host:8080", "x:y:z", "bob:"}) {
    const auto s = splitAtLastColon(text);
    const std::string back = joinWithColon(s.first, s.second);
    if (s.second.empty())
      EXPECT_EQ(back + ":", std::string(text).substr(0, back.size() + 1));
    else
      EXPECT_EQ(back, text);
  }
}

TEST(ProxyForm, OpensWithTheConfiguredProxy) {
  auto form = openProxyForm("proxy.example:3128", "0", "alice:secret", "ignored:1");
  EXPECT_EQ(form.address, "proxy.example");
  EXPECT_EQ(form.port, "3128");
  EXPECT_EQ(form.user, "alice");
  EXPECT_EQ(form.password, "secret");
  EXPECT_TRUE(form.useProxy);
  EXPECT_TRUE(form.useAuthentication);
  EXPECT_TRUE(form.http);
  EXPECT_FALSE(form.socks5);
  EXPECT_TRUE(form.typeEnabled);
  EXPECT_TRUE(form.credentialsEnabled);

  // SOCKS5 turns authentication on even without credentials.
  form = openProxyForm("s:1080", "5", "", "");
  EXPECT_TRUE(form.socks5);
  EXPECT_FALSE(form.http);
  EXPECT_TRUE(form.useAuthentication);
  EXPECT_TRUE(form.credentialsEnabled);

  // Credentials without a colon are all user name.
  form = openProxyForm("p", "0", "bob", "");
  EXPECT_EQ(form.address, "p");
  EXPECT_EQ(form.port, "");
  EXPECT_EQ(form.user, "bob");
  EXPECT_EQ(form.password, "");

  // No credentials and HTTP: authentication off, user and password disabled.
  form = openProxyForm("p:1", "0", "", "");
  EXPECT_FALSE(form.useAuthentication);
  EXPECT_FALSE(form.credentialsEnabled);
  EXPECT_TRUE(form.typeEnabled);
  // Only "5" is SOCKS5.
  EXPECT_TRUE(openProxyForm("p:1", "05", "", "").http);
  EXPECT_TRUE(openProxyForm("p:1", "", "", "").http);
}

TEST(ProxyForm, OffersTheInternetSettingsUnchecked) {
  auto form = openProxyForm("", "5", "bob:pw", "10.0.0.5:8080");
  EXPECT_EQ(form.address, "10.0.0.5");
  EXPECT_EQ(form.port, "8080");
  EXPECT_EQ(form.user, "");
  EXPECT_EQ(form.password, "");
  EXPECT_FALSE(form.useProxy);
  EXPECT_TRUE(form.http);
  EXPECT_FALSE(form.socks5);
  EXPECT_FALSE(form.typeEnabled);
  EXPECT_FALSE(form.credentialsEnabled);
  // The authentication box follows the configured texts even then.
  EXPECT_TRUE(form.useAuthentication);
  EXPECT_FALSE(openProxyForm("", "0", "", "").useAuthentication);
  form = openProxyForm("", "0", "", "");
  EXPECT_EQ(form.address, "");
  EXPECT_EQ(form.port, "");
}

TEST(ProxyForm, CheckBoxesEnableTheirFields) {
  auto form = openProxyForm("", "0", "", "");
  setUseAuthentication(form, true);
  EXPECT_TRUE(form.credentialsEnabled);  // whether or not a proxy is in use
  EXPECT_FALSE(form.typeEnabled);
  setUseProxy(form, true);
  EXPECT_TRUE(form.typeEnabled);
  EXPECT_TRUE(form.credentialsEnabled);
  setUseAuthentication(form, false);
  EXPECT_FALSE(form.credentialsEnabled);
  setUseProxy(form, false);
  setUseProxy(form, true);
  EXPECT_TRUE(form.typeEnabled);
  EXPECT_FALSE(form.credentialsEnabled);
  setUseAuthentication(form, true);
  setUseProxy(form, false);
  EXPECT_FALSE(form.typeEnabled);
  EXPECT_FALSE(form.credentialsEnabled);
  EXPECT_TRUE(form.useAuthentication);
}

TEST(ProxyForm, ConfirmingGivesTheSettingsTexts) {
  ProxyForm form;
  form.useProxy = true;
  form.address = "10.0.0.1";
  form.user = "bob";
  form.useAuthentication = true;
  form.http = false;
  form.socks5 = true;
  auto texts = confirmProxyForm(form, "0");
  EXPECT_EQ(texts.server, "10.0.0.1");
  EXPECT_EQ(texts.credentials, "bob");
  EXPECT_EQ(texts.type, "5");

  form.port = "8080";
  form.password = "pw";
  form.http = true;
  form.socks5 = false;
  texts = confirmProxyForm(form, "5");
  EXPECT_EQ(texts.server, "10.0.0.1:8080");
  EXPECT_EQ(texts.credentials, "bob:pw");
  EXPECT_EQ(texts.type, "0");

  form.useAuthentication = false;
  EXPECT_EQ(confirmProxyForm(form, "0").credentials, "");

  form.http = false;
  EXPECT_EQ(confirmProxyForm(form, "5").type, "5");  // neither radio: unchanged
  EXPECT_EQ(confirmProxyForm(form, "").type, "");

  form.useProxy = false;
  form.useAuthentication = true;
  texts = confirmProxyForm(form, "5");
  EXPECT_EQ(texts.server, "");
  EXPECT_EQ(texts.credentials, "");
  EXPECT_EQ(texts.type, "0");
}

TEST(ProxyForm, ConfiguredTextsSurviveOpeningAndConfirming) {
  for (const char* server : {"h:1", "h", "[::1]:8080"})
    for (const char* credentials : {"", "u", "u:p", "u:p:q"})
      for (const char* type : {"0", "5"}) {
        const auto form = openProxyForm(server, type, credentials, "");
        const auto texts = confirmProxyForm(form, type);
        EXPECT_EQ(texts.server, server);
        EXPECT_EQ(texts.type, type);
        // SOCKS5 turns authentication on, so empty credentials stay empty either way.
        EXPECT_EQ(texts.credentials, credentials);
      }
}
