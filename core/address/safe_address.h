#pragma once

#include <string>
#include <string_view>

namespace tambrel {

// The maker's site, opened by a click on the About window's slogan.
inline constexpr char16_t SiteAddressText[] = u"http://tambrel.example/site/";
inline constexpr char16_t SloganWords[] = u"Решаем по шагам";

// An address as a redirect page or a new tab may be given it: every
// character that would end an HTML attribute or open markup (quotes, < and
// >, control characters), or that windows-1251 cannot hold, is
// percent-encoded as UTF-8; all else stays as it is.
std::u16string SafeAddress(std::u16string_view address);

}  // namespace tambrel
