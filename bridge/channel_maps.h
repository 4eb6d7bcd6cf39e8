// The four channel maps on the expert's side, opened when the library is attached and closed
// when it is detached. A map whose attach step failed stays closed: its reads give empty
// texts and its writes do nothing.
#pragma once

#include "common/win/shared_text_map.h"

enum class Channel { Command, Price, Setting, Info };

// In the order the library opens and closes them.
inline constexpr Channel kChannels[] = {Channel::Command, Channel::Price, Channel::Setting,
                                        Channel::Info};

void OpenChannelMap(Channel channel);
void CloseChannelMap(Channel channel);
SharedTextMap& ChannelMap(Channel channel);
