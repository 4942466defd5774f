// meal-recommender asks where the user is and which kind of food they want,
// then recommends one dish of that kind, drawn at random, for today's meal.

#include "dialogue.hpp"
#include "system_console.hpp"

#include <cstdlib>
#include <ctime>

// Command-line arguments are not used: the program has no options.
int main()
{
    // The low 32 bits of the time are the seed, so two runs that start in
    // the same second draw the same dish for the same answers.
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    SystemConsole console(0, 1); // standard input and output
    DialogueState state{};
    run_dialogue(console, state);
    console.flush();
    return 0;
}
