#include "PositionCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using pagaluz::PositionCatalogue;
using pagaluz::PositionRecord;
using Field = std::string PositionRecord::*;

const PositionCatalogue &catalogue()
{
    return PositionCatalogue::builtIn();
}

// One line per record, so that a mismatch shows every field.
std::string describe(const PositionRecord &r)
{
    return r.code + " [" + r.name + "] " + r.basicPoints + "/" + r.extendedDayPoints + "/" +
           r.fullDayPoints + "/" + r.differentiatedTaskPoints + "/" + r.complementPoints;
}

bool isPlainDecimal(const std::string &t)
{
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           (t == "0" || t.front() != '0');
}

int countCharacters(const std::string &utf8)
{
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::vector<int> column(Field field)
{
    std::vector<int> values;
    for (const PositionRecord &r : catalogue().rows())
        values.push_back(std::stoi(r.*field));
    return values;
}

TEST(PositionCatalogue, HasTheShapeOfThePayScale)
{
    struct Shape {
        const char *label;
        Field field;
        int min, max, nonZero, distinct;
        std::set<int> values; // empty: not fixed
    };
    const Shape shapes[] = {
        {"basic", &PositionRecord::basicPoints, 574, 3429, 311, 57, {}},
        {"prolongation",
         &PositionRecord::extendedDayPoints,
         0,
         830,
         34,
         13,
         {0, 42, 100, 200, 300, 580, 590, 600, 620, 708, 725, 750, 830}},
        {"full day",
         &PositionRecord::fullDayPoints,
         0,
         839,
         35,
         8,
         {0, 155, 620, 657, 659, 663, 669, 839}},
        {"differentiated task",
         &PositionRecord::differentiatedTaskPoints,
         0,
         150,
         51,
         4,
         {0, 17, 20, 150}},
        {"complement", &PositionRecord::complementPoints, 0, 779, 270, 47, {}},
    };
    ASSERT_EQ(catalogue().size(), 311);
    ASSERT_EQ(catalogue().rows().size(), 311u);
    for (const Shape &s : shapes) {
        SCOPED_TRACE(s.label);
        for (const PositionRecord &r : catalogue().rows())
            ASSERT_TRUE(isPlainDecimal(r.*s.field)) << describe(r);
        const std::vector<int> values = column(s.field);
        const std::set<int> distinct(values.begin(), values.end());
        EXPECT_EQ(*distinct.begin(), s.min);
        EXPECT_EQ(*distinct.rbegin(), s.max);
        EXPECT_EQ(std::count_if(values.begin(), values.end(), [](int v) { return v != 0; }),
                  s.nonZero);
        EXPECT_EQ(static_cast<int>(distinct.size()), s.distinct);
        if (!s.values.empty()) {
            EXPECT_EQ(distinct, s.values);
        }
    }
    const std::vector<int> basic = column(&PositionRecord::basicPoints);
    const std::vector<int> complement = column(&PositionRecord::complementPoints);
    EXPECT_EQ(std::count(basic.begin(), basic.end(), 971), 71);
    EXPECT_EQ(std::count(complement.begin(), complement.end(), 170), 71);
}

TEST(PositionCatalogue, CodesAreUniqueAndNoRowHasBothWorkdayExtensions)
{
    std::set<std::string> codes;
    for (const PositionRecord &r : catalogue().rows()) {
        SCOPED_TRACE(describe(r));
        ASSERT_EQ(r.code.size(), 3u);
        ASSERT_TRUE(isPlainDecimal(r.code));
        EXPECT_GE(std::stoi(r.code), 600);
        EXPECT_TRUE(codes.insert(r.code).second) << "duplicate code";
        EXPECT_TRUE(r.fullDayPoints == "0" || r.extendedDayPoints == "0");
        EXPECT_GE(countCharacters(r.name), 1);
        EXPECT_LE(countCharacters(r.name), 65);
    }
}

TEST(PositionCatalogue, StatedRowsCarryExactlyTheirPoints)
{
    const PositionRecord expected[] = {
        {"999", "Analista Princ Tec Doc", "3146", "0", "0", "0", "0"},
        {"703", "Asesores", "3429", "0", "0", "0", "0"},
        {"980", "Jefe Dpto. Educación Física", "574", "0", "0", "0", "222"},
        {"779", "CAPACITADORES CENTROS LABORALES   Mecl", "853", "0", "0", "0", "779"},
        {"634", "Maestro De Grado", "971", "0", "0", "0", "170"},
        {"983", "Maestro De Grado L.V.", "1170", "0", "0", "0", "144"},
        {"813", "Maestro De Grado Jornada Completa", "971", "0", "620", "0", "170"},
        {"818", "Maestro De Grado Anexo Albergue", "971", "0", "659", "0", "170"},
        {"822", "Celador Anexo Albergue", "971", "0", "155", "0", "170"},
        {"739", "Maestro De Grado Diferenciado", "971", "0", "0", "150", "170"},
        {"738", "Maestro Jardín De Infantes", "971", "0", "0", "17", "170"},
        {"710", "Supervisor De Enseñanza Especial", "2913", "0", "0", "20", "0"},
        {"664", "Jefe Dpto. Educación Física (Transformado) 971 + 620", "971", "620", "0", "0",
         "170"},
        {"650", "Coordinador De Acciones No Formales", "1740", "750", "0", "0", "70"},
        {"667", "Director De 1era Cat. Con Prolong. De Jorn.", "2000", "830", "0", "0", "36"},
        {"672", "Director De 1era A/C De 2 Turnos Con P. De Jorn", "2000", "300", "0", "0", "36"},
        {"686", "Director De 1era Cat. A/C De 3 Turnos Con P. De Jorn.", "2000", "600", "0", "0",
         "36"},
        {"808", "Director 1era Categoría Jornada Completa", "1942", "0", "669", "0", "43"},
        {"817", "Director 2da Anexo Albergue", "1782", "0", "839", "0", "64"},
        {"734", "Asistente Social", "1500", "0", "0", "150", "101"},
        {"609", "Director 1era Categoría", "2000", "0", "0", "0", "36"},
    };
    for (const PositionRecord &e : expected) {
        SCOPED_TRACE(e.code);
        const int index = catalogue().findCode(e.code);
        ASSERT_NE(index, PositionCatalogue::kNoRow);
        EXPECT_EQ(describe(catalogue().row(index)), describe(e));
    }
}

TEST(PositionCatalogue, CodesFollowTheListOrder)
{
    const std::string expected = "999 985 645 604 788 703 734 928 651 638 646 695 936 633 750 925 "
                                 "996 934 760 779 822 781 844 761 "
                                 "650 762 706 827 832 998 609 808 817 611 809 613 820 810 821 811 "
                                 "909 648 672 686 667 673 687 668 "
                                 "674 688 669 794 978 705 945 956 704 941 942 940 912 972 973 716 "
                                 "719 722 725 729 731 911 930 724 "
                                 "730 773 721 910 959 728 753 766 717 981 718 720 778 736 842 968 "
                                 "906 907 908 988 989 831 943 764 "
                                 "647 652 963 675 616 676 617 677 618 637 636 659 660 600 662 708 "
                                 "960 780 980 664 900 698 699 663 "
                                 "679 680 681 692 693 694 623 641 624 967 678 619 691 654 655 653 "
                                 "997 974 746 771 629 740 977 952 "
                                 "649 922 947 976 953 634 749 921 818 739 918 702 917 813 946 983 "
                                 "920 919 732 797 747 622 621 931 "
                                 "735 969 743 754 984 819 772 742 755 757 814 776 777 839 837 768 "
                                 "834 763 783 836 737 833 745 986 "
                                 "835 758 840 849 759 738 987 815 923 798 924 789 955 975 628 632 "
                                 "642 682 683 689 684 630 631 929 "
                                 "970 935 937 657 658 995 765 926 751 951 993 932 640 991 696 612 "
                                 "620 603 830 625 824 626 825 627 "
                                 "826 966 962 784 769 606 961 715 958 965 796 916 944 744 741 843 "
                                 "748 775 971 933 994 756 905 979 "
                                 "982 639 661 697 792 605 712 711 713 710 709 770 902 903 901 791 "
                                 "793 828 726 714 829 752 608 614 "
                                 "823 990 615 812 643 670 671 795 954 685 915 913 914 957 723 727 "
                                 "774 767 816 992 904 644 733";
    std::string actual;
    for (const PositionRecord &r : catalogue().rows())
        actual += (actual.empty() ? "" : " ") + r.code;
    EXPECT_EQ(actual, expected);
}

TEST(PositionCatalogue, RowsStandWhereTheListPutsThem)
{
    const struct {
        int index;
        const char *code;
        const char *name;
    } samples[] = {
        {0, "999", "Analista Princ Tec Doc"},
        {19, "779", "CAPACITADORES CENTROS LABORALES   Mecl"},
        {41, "648", "Director De 1° C.E.F."},
        {85, "736", "Director Parque Escolar \"E. Berduc\""},
        {91, "988", "Director/Rector 1§ - 2 Turnos"},
        {109, "600", "Jefe De Preceptores De 2da Y 3ra Categoría"},
        {137, "974", "Kinesiólogo"},
        {295, "795", "Vicedirector Dpto. Aplicación De 2da Categoría "},
        {310, "733", "Visitador"},
    };
    for (const auto &s : samples) {
        SCOPED_TRACE(s.code);
        EXPECT_EQ(catalogue().row(s.index).code, s.code);
        EXPECT_EQ(catalogue().row(s.index).name, s.name);
        EXPECT_EQ(catalogue().findCode(s.code), s.index);
    }
}

TEST(PositionCatalogue, UnknownCodesFindNoRow)
{
    for (const char *code : {"599", "1000", "", "97", " 734", "734 ", "0734"}) {
        SCOPED_TRACE(std::string("[") + code + "]");
        EXPECT_EQ(catalogue().findCode(code), PositionCatalogue::kNoRow);
    }
}

TEST(PositionCatalogue, RepeatedNamesAreDistinctRows)
{
    const std::map<std::string, int> repeated = {
        {"Bibliotecario", 4},
        {"Asistente Social", 2},
        {"Director Escuela Adultos 2da Categoría", 2},
        {"Director Escuela Educación Especial", 2},
        {"Director Personal Único", 2},
        {"Maestro De Grado", 2},
        {"Maestro De Grado Diferenciado", 2},
        {"Maestro De Grado Jornada Completa", 2},
        {"Maestro Jardín De Infantes", 2},
        {"Maestro Nivelador", 2},
        {"Psicólogo", 2},
        {"Psicopedagogo", 2},
    };
    std::map<std::string, std::set<std::string>> codesByName;
    for (const PositionRecord &r : catalogue().rows())
        codesByName[r.name].insert(r.code);
    std::map<std::string, int> found;
    for (const auto &[name, codes] : codesByName)
        if (codes.size() > 1)
            found[name] = static_cast<int>(codes.size());
    EXPECT_EQ(found, repeated);

    // The four librarians are rows 13 to 16, in this order.
    const struct {
        const char *code;
        const char *basic;
    } librarians[] = {{"633", "941"}, {"750", nullptr}, {"925", nullptr}, {"996", "1480"}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(librarians[i].code);
        const int index = catalogue().findCode(librarians[i].code);
        ASSERT_EQ(index, 13 + i);
        EXPECT_EQ(catalogue().row(index).name, "Bibliotecario");
        if (librarians[i].basic) {
            EXPECT_EQ(catalogue().row(index).basicPoints, librarians[i].basic);
        }
    }
}

TEST(PositionCatalogue, NamesFollowRowOrder)
{
    const std::vector<std::string> names = catalogue().names();
    ASSERT_EQ(names.size(), catalogue().rows().size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(names[i], catalogue().rows()[i].name) << "row " << i;
}

} // namespace
