#include "tags/GenreList.h"
#include "app/MainDlg.h"
#include <id3/misc_support.h>

namespace {
// What id3lib reports for a tag without a genre.
const int kNoGenre = 255;
}

// Fixed texts: the ID3v1 names without spaces and punctuation, "&" written as "n".
const char* const kGenreEntries[kGenreEntryCount] = {
    "Blues", "ClassicRock", "Country", "Dance", "Disco", "Funk", "Grunge", "HipHop", "Jazz", "Metal",
    "NewAge", "Oldies", "Other", "Pop", "RnB", "Rap", "Reggae", "Rock", "Techno", "Industrial",
    "Alternative", "Ska", "DeathMetal", "Pranks", "Soundtrack", "EuroTechno", "Ambient", "TripHop", "Vocal", "JazzFunk",
    "Fusion", "Trance", "Classical", "Instrumental", "Acid", "House", "Game", "SoundClip", "Gospel", "Noise",
    "AlternRock", "Bass", "Soul", "Punk", "Space", "Meditative", "InstrumentalPop", "InstrumentalRock", "Ethnic", "Gothic",
    "Darkwave", "TechnoIndustrial", "Electronic", "PopFolk", "Eurodance", "Dream", "SouthernRock", "Comedy", "Cult", "Gangsta",
    "Top40", "ChristianRap", "PopFunk", "Jungle", "NativeAmerican", "Cabaret", "NewWave", "Psychadelic", "Rave", "Showtunes",
    "Trailer", "LoFi", "Tribal", "AcidPunk", "AcidJazz", "Polka", "Retro", "Musical", "RocknRoll", "HardRock",
    "None",
};

int GenreToIndex(int number)
{
    return number == kNoGenre ? kGenreEntryCount - 1 : number;
}

void CMainDlg::FillGenreCombo()
{
    for (const char* entry : kGenreEntries)
        m_genreCombo.AddString(entry);
}

// A number past the entries selects none; not every list box clears its selection when asked for
// an entry it does not have, so that is asked for directly.
void CMainDlg::SelectGenreOf(const ID3_Tag& tag)
{
    int entry = GenreToIndex(static_cast<int>(ID3_GetGenreNum(&tag)));
    m_genreCombo.SetCurSel(entry < kGenreEntryCount ? entry : -1);
}
