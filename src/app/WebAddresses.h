#pragma once

#include <QString>

// Every address the program hands to the browser or the mail program, in one
// place. Where the host is ours to choose it lies on a reserved example
// domain; change these to deploy under a real site. The payment addresses are
// passed as they stand, not percent-encoded: the payment services read the
// blanks, parentheses and nested addresses of their queries as written.
namespace WebAddresses {

// The product's web site (home of the web page, the FAQ and the PayPal
// return pages) and its author's mail address.
inline constexpr char kProductSite[] = "http://www.example.com";
inline constexpr char kAuthorEMail[] = "author@example.com";

// The payment service's web-payment script and the payee's account there
// (placeholders on a reserved domain until the real accounts are set).
inline constexpr char kPayPalScript[] = "https://payments.example.net/cgi-bin/webscr";
inline constexpr char kPayPalAccount[] = "payments@example.com";

// The order service and the product's order code there (placeholders too).
inline constexpr char kKagiOrderService[] = "http://order.example.net/";
inline constexpr char kKagiOrderCode[] = "BRIMEL";

// Help > Visit Website.
inline QString WebPage() {
    return QLatin1String(kProductSite) + QLatin1String("/brimel");
}

// Help > Read FAQ: the web page's address with "/faq.html" after it.
inline QString FAQPage() {
    return WebPage() + QLatin1String("/faq.html");
}

// Help > E-mail Author.
inline QString EMailAuthor() {
    return QLatin1String("mailto:") + QLatin1String(kAuthorEMail);
}

// The About window's PayPal button: a single-item payment for the product,
// returning to our site afterwards.
inline QString PayPalPayment() {
    const QString site = QLatin1String(kProductSite);
    return QLatin1String(kPayPalScript) + QLatin1String("?cmd=_xclick") + QLatin1String("&business=") +
           QLatin1String(kPayPalAccount) + QLatin1String("&item_name=Brimel") + QLatin1String("&no_shipping=1") +
           QLatin1String("&lc=US") + QLatin1String("&return=") + site + QLatin1String("/paypal/success.html") +
           QLatin1String("&cancel_return=") + site + QLatin1String("/paypal/cancel.html") +
           QLatin1String("&cn=Your Comments (optional)");
}

// The About window's Kagi button: the order code as the bare query, then the
// language.
inline QString KagiOrder() {
    return QLatin1String(kKagiOrderService) + QLatin1Char('?') + QLatin1String(kKagiOrderCode) +
           QLatin1String("&lang=en");
}

}  // namespace WebAddresses
