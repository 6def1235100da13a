#pragma once
// What a click on the hyperlink does: open the address through the shell, or else with the
// browser registered for ".htm".
#include <cstddef>
#include <optional>
#include <string>

// The fallback's command line: the browser's registered command cut before its "%1" argument
// (at the opening quotation mark when "%1" is quoted), a blank, and the address. Nothing when
// the result would not fit in a buffer of bufferSize bytes with its terminating zero.
std::optional<std::string> BuildBrowserCommand(const std::string& registeredCommand,
                                               const std::string& address, std::size_t bufferSize);

// True when the address was handed to the shell or to the registered browser.
bool OpenLinkAddress(const std::string& address);
