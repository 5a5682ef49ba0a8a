#include "catalogue/Catalogue.h"

namespace {

struct SoundEvent {
    const char16_t* label;
    int group;
    const char16_t* id;
};

constexpr SoundEvent kEvents[kEventCount] = {
    {u"Błąd", 0, u"message.error"},
    {u"Ostrzeżenie", 0, u"message.warning"},
    {u"Informacja", 0, u"message.info"},
    {u"Rozmowa (rozpoczęcie)", 0, u"message.chat.new"},
    {u"Rozmowa (okno aktywne)", 0, u"message.chat"},
    {u"Rozmowa (okno nieaktywne)", 0, u"message.chat.inactive"},
    {u"Konferencja (rozpoczęcie)", 0, u"message.conference.new"},
    {u"Konferencja (okno aktywne)", 0, u"message.conference"},
    {u"Konferencja (okno nieaktywne)", 0, u"message.conference.inactive"},
    {u"Rozmowa głosowa przychodząca", 2, u"av.audio.in"},
    {u"Rozmowa głosowa wychodząca", 2, u"av.audio.out"},
    {u"Rozmowa głosowa odrzucona", 2, u"av.audio.rejected"},
    {u"Rozmowa głosowa zakończona", 2, u"av.audio.end"},
    {u"Rozmowa wideo przychodząca", 2, u"av.video.in"},
    {u"Rozmowa wideo wychodząca", 2, u"av.video.out"},
    {u"Rozmowa wideo odrzucona", 2, u"av.video.rejected"},
    {u"Rozmowa wideo zakończona", 2, u"av.video.end"},
    {u"Dostępny", 1, u"presence.online"},
    {u"Porozmawiajmy", 1, u"presence.chat"},
    {u"Jestem zajęty", 1, u"presence.dnd"},
    {u"Zaraz wracam", 1, u"presence.away"},
    {u"Wrócę później", 1, u"presence.xa"},
    {u"Niewidoczny", 1, u"presence.invisible"},
    {u"Niedostępny", 1, u"presence.offline"},
    {u"Błąd", 1, u"presence.error"},
    {u"Zablokowany", 1, u"presence.blocked"},
    {u"Zalogowany do sieci", 3, u"misc.network.loggedIn"},
    {u"Wylogowany z sieci", 3, u"misc.network.loggedOff"},
    {u"Żądanie autoryzacji", 3, u"misc.auth.request"},
    {u"Nowa poczta", 3, u"misc.newMail"},
    {u"Alert", 3, u"misc.alert"},
    {u"Transfer pliku (przychodzący)", 3, u"misc.fileTransfer.in"},
};

constexpr const char16_t* kGroupHeaders[kGroupCount] = {
    u"Wiadomości",
    u"Zmiana statusu",
    u"Rozmowy audio/wideo",
    u"Różne",
};

struct SourceChoice {
    const char16_t* text;
    const char16_t* placeholder;
};

constexpr SourceChoice kSourceChoices[kSourceChoiceCount] = {
    {u"Plik z dźwiękiem", u""},
    {u"Dźwięk systemowy: %beep%", u"%beep%"},
    {u"Dźwięk systemowy: %warning%", u"%warning%"},
    {u"Dźwięk systemowy: %error%", u"%error%"},
    {u"Dźwięk systemowy: %info%", u"%info%"},
};

bool IsSourcePosition(int position) {
    return position >= 0 && position < kSourceChoiceCount;
}

}  // namespace

std::u16string EventLabel(unsigned index) {
    return index < kEventCount ? kEvents[index].label : u"";
}

std::u16string EventId(unsigned index) {
    return index < kEventCount ? kEvents[index].id : u"";
}

int EventGroupOf(unsigned index) {
    return index < kEventCount ? kEvents[index].group : -1;
}

std::u16string GroupHeader(int group) {
    return group >= 0 && group < kGroupCount ? kGroupHeaders[group] : u"";
}

std::u16string SourceChoiceText(int position) {
    return IsSourcePosition(position) ? kSourceChoices[position].text : u"";
}

std::u16string PlaceholderOf(int position) {
    return IsSourcePosition(position) ? kSourceChoices[position].placeholder : u"";
}
