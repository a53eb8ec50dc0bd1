#include "chinese/animal_lines.h"

#include <array>

namespace chinese {

namespace {

constexpr std::array<const char *, 12> innerLines = {
    "Inside, you are watchful and resourceful, always quietly making plans to keep the people you love safe.",
    "Inside, you are steady and patient, and you find your peace in doing a job well and seeing it through.",
    "Inside, you are brave and restless, and you feel most alive when life asks you to take a leap.",
    "Inside, you are gentle and careful, and you long for a calm, lovely home where everyone gets along.",
    "Inside, you carry big dreams and a bright fire, and you want your life to mean something.",
    "Inside, you are deep and thoughtful, and you trust what you feel long before you can explain it.",
    "Inside, you are free-spirited and warm, and you need room to roam even from those you love most.",
    "Inside, you are tender and creative, and beauty and kindness feed your heart like nothing else.",
    "Inside, you are curious and playful, and a new puzzle or a good joke keeps your spirit young.",
    "Inside, you hold yourself to high standards, and you feel best when everything is honest and in order.",
    "Inside, you are loyal and fair-minded, and you cannot rest while someone close to you is treated wrongly.",
    "Inside, you are generous and easy-going, and you find joy in sharing good food, good company and comfort.",
};

constexpr std::array<const char *, 12> secretLines = {
    "Your secret self is a quiet saver and planner, who notices every opportunity and forgets none.",
    "Your secret self is stubbornly strong, the one who keeps going long after others have given up.",
    "Your secret self is a daring rebel who will stand up for what is right, whatever it costs.",
    "Your secret self is a peacemaker, who smooths things over with tact before anyone sees a quarrel.",
    "Your secret self is proud and ambitious, and it quietly believes you were meant for great things.",
    "Your secret self is wise and private, sharing its thoughts with very few and keeping its own counsel.",
    "Your secret self is a wanderer at heart, happiest on the open road with no one counting the hours.",
    "Your secret self is a dreamer and an artist, who sees the world more softly than most people do.",
    "Your secret self is a clever inventor, always finding a smarter way round whatever stands in the way.",
    "Your secret self is a perfectionist who notices every small detail and quietly puts it right.",
    "Your secret self is a faithful guardian, who watches over friends and family more than they ever know.",
    "Your secret self is a warm-hearted optimist, who believes the best of people and is often proved right.",
};

QString lineOf(const std::array<const char *, 12> &lines, int branch)
{
    if (branch < 0 || branch >= 12)
        return {};
    return QString::fromLatin1(lines[branch]);
}

} // namespace

QString innerAnimalLine(int branch)
{
    return lineOf(innerLines, branch);
}

QString secretAnimalLine(int branch)
{
    return lineOf(secretLines, branch);
}

} // namespace chinese
