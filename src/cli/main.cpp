// Until the dialogs are built, the program prints the club it would recommend for each
// distance with the built-in club set.
#include "club/ClubBook.h"

#include <cstdio>

int main() {
    CClubList clubs;
    BuildDefaultClubs(clubs);
    std::printf("Caddora: the dialogs are not built yet. Clubs of the built-in set:\n\n");
    std::printf("%-8s %-18s %-18s\n", "Yards", "Adult male", "Adult female");
    for (int yards = 50; yards <= 230; yards += 10) {
        std::printf("%-8d %-18s %-18s\n", yards,
                    FindClubForDistance(clubs, 1, yards)->m_strName.ToUtf8().c_str(),
                    FindClubForDistance(clubs, 2, yards)->m_strName.ToUtf8().c_str());
    }
    return 0;
}
