// The labelled vocabulary items with the recordings their screens play: the
// creation lists take the sound and second sound of an item from here.
#include "manifest.h"

namespace vocassets {
namespace {

// clang-format off
constexpr VocabWord kVocabulary[] = {
    // Circus: the Spanish word, then the animal's noise.
    {"blue-camel.bmp", "Camello", "word-camel-sp.wav", "camel.wav"},
    {"blue-cow.bmp", "Vaca", "word-cow-sp.wav", "cow.wav"},
    {"blue-coyote.bmp", "Coyote", "word-coyote-sp.wav", "coyote.wav"},
    {"blue-crocodile.bmp", "Cocodrilo", "word-crocodile-sp.wav", "crocodile.wav"},
    {"blue-deer.bmp", "Venado", "word-deer-sp.wav", "deer.wav"},
    {"blue-Dolphin.bmp", "Delfín", "word-dolphin-sp.wav", "dolphin.wav"},
    {"blue-frog.bmp", "Sapo", "word-frog-sp.wav", "frog.wav"},
    {"blue-hyena.bmp", "Hiena", "word-hyena-sp.wav", "hyena.wav"},
    {"blue-lobster.bmp", "Langosta", "word-lobster-sp.wav", "lobster.wav"},
    {"blue-pig.bmp", "Cerdo", "word-pig-sp.wav", "pig.wav"},
    {"blue-rhino.bmp", "Rinoceronte", "word-rhino-sp.wav", "rhino.wav"},
    {"blue-sheep.bmp", "Oveja", "word-sheep-sp.wav", "sheep.wav"},
    {"blue-walrus.bmp", "Morsa", "word-walrus-sp.wav", "walrus.wav"},
    {"white-bunny.bmp", "Conejo", "word-rabbit-sp.wav", "rabbit.wav"},
    {"white-cat.bmp", "Gato", "word-cat-sp.wav", "cat.wav"},
    {"white-dog.bmp", "Perro", "word-dog-sp.wav", "dog.wav"},
    {"white-eagle.bmp", "Aguila", "word-eagle-sp.wav", "eagle.wav"},
    {"white-elephant.bmp", "Elefante", "word-elephant-sp.wav", "elephant.wav"},
    {"white-hippo.bmp", "Hipopótamo", "word-hippo-sp.wav", "hippo.wav"},
    {"white-horse.bmp", "Caballo", "word-horse-sp.wav", "horse.wav"},
    {"white-kangaroo.bmp", "Canguro", "word-kangaroo-sp.wav", "kangaroo.wav"},
    {"white-lion.bmp", "León", "word-lion-sp.wav", "lion.wav"},
    {"white-snake.bmp", "Serpiente", "word-snake-sp.wav", "snake.wav"},
    {"white-tiger.bmp", "Tigre", "word-tiger-sp.wav", "tiger.wav"},

    // School classroom: the Spanish word, then the English word.
    {"book", "Libro", "word-book-sp.wav", "book.wav"},
    {"calculator", "Calculadora", "word-calculator-sp.wav", "calculator.wav"},
    {"chalk", "Tiza", "word-chalk-sp.wav", "chalk.wav"},
    {"computer", "Computador", "word-computer-sp.wav", "computer.wav"},
    {"crayon", "Crayolas", "word-crayon-sp.wav", "crayon.wav"},
    {"extinguisher", "Extinguidor", "word-extinguisher-sp.wav", "extinguisher.wav"},
    {"glue", "Pegante", "word-glue-sp.wav", "glue.wav"},
    {"magnifyingglass", "Lupa", "word-magnifyingglass-sp.wav", "magnifyingglass.wav"},
    {"paper", "Papel", "word-paper-sp.wav", "paper.wav"},
    {"Pen", "Pluma", "word-pen-sp.wav", "pen.wav"},
    {"Pencil", "Lápiz", "word-pencil-sp.wav", "pencil.wav"},
    {"schooldoor", "Puerta", "word-door-sp.wav", "door.wav"},
    {"schoolwindow", "Ventana", "word-window-sp.wav", "window.wav"},
    {"Scissors", "Tijeras", "word-scissors-sp.wav", "scissors.wav"},
    {"stapler", "Engrapadora", "word-stapler-sp.wav", "stapler.wav"},
    {"tape", "Cinta pegante", "word-tape-sp.wav", "tape.wav"},
    {"trashcan", "Caneca", "word-trashcan-sp.wav", "trashcan.wav"},

    // Alphabet: the letter's Spanish name.
    {"alphabet-a.bmp", "A", "a.wav", nullptr},
    {"alphabet-b.bmp", "B", "b.wav", nullptr},
    {"alphabet-c.bmp", "C", "c.wav", nullptr},
    {"alphabet-d.bmp", "D", "d.wav", nullptr},
    {"alphabet-e.bmp", "E", "e.wav", nullptr},
    {"alphabet-f.bmp", "F", "f.wav", nullptr},
    {"alphabet-g.bmp", "G", "g.wav", nullptr},
    {"alphabet-h.bmp", "H", "h.wav", nullptr},
    {"alphabet-i.bmp", "I", "i.wav", nullptr},
    {"alphabet-j.bmp", "J", "j.wav", nullptr},
    {"alphabet-k.bmp", "K", "k.wav", nullptr},
    {"alphabet-l.bmp", "L", "l.wav", nullptr},
    {"alphabet-m.bmp", "M", "m.wav", nullptr},
    {"alphabet-n.bmp", "N", "n.wav", nullptr},
    {"alphabet-o.bmp", "O", "o.wav", nullptr},
    {"alphabet-p.bmp", "P", "p.wav", nullptr},
    {"alphabet-q.bmp", "Q", "q.wav", nullptr},
    {"alphabet-r.bmp", "R", "r.wav", nullptr},
    {"alphabet-s.bmp", "S", "s.wav", nullptr},
    {"alphabet-t.bmp", "T", "t.wav", nullptr},
    {"alphabet-u.bmp", "U", "u.wav", nullptr},
    {"alphabet-v.bmp", "V", "v.wav", nullptr},
    {"alphabet-w.bmp", "W", "w.wav", nullptr},
    {"alphabet-x.bmp", "X", "x.wav", nullptr},
    {"alphabet-y.bmp", "Y", "y.wav", nullptr},
    {"alphabet-z.bmp", "Z", "z.wav", nullptr},

    // Fishing: the pictures to find.
    {"dino-outline", "Dinosaurio", "word-dinosaur-sp.wav", nullptr},
    {"guitar-outline", "Guitarra", "word-guitar-sp.wav", nullptr},
    {"mailbox-outline", "Buzón", "word-mailbox-sp.wav", nullptr},
    {"piano-outline", "Piano", "word-piano-sp.wav", nullptr},
    {"plane-outline", "Avión", "word-plane-sp.wav", nullptr},
    {"doll-outline", "Muñeca", "word-doll-sp.wav", nullptr},
    {"robot-outline", "Robot", "word-robot-sp.wav", nullptr},
    {"train-outline", "Tren", "word-train-sp.wav", nullptr},
    {"ufo-outline", "Nave espacial", "word-spaceship-sp.wav", nullptr},
    {"umbrella-outline", "Sombrilla", "word-umbrella-sp.wav", nullptr},

    // The four rooms.
    {"bathoption1-toilet.bmp", "Toilet", "word-toilet-sp.wav", nullptr},
    {"bathoption2-shower.bmp", "Ducha", "word-shower-sp.wav", nullptr},
    {"bathoption3-mirror.bmp", "Espejo", "word-mirror-sp.wav", nullptr},
    {"bathoption4-sink.bmp", "Lavabo", "word-sink-sp.wav", nullptr},
    {"bathoption5-towel.bmp", "Toalla", "word-towel-sp.wav", nullptr},
    {"bathoption6-bath.bmp", "Bañera", "word-bath-sp.wav", nullptr},
    {"bedoption1-bed.bmp", "Cama", "word-bed-sp.wav", nullptr},
    {"bedoption2-clock.bmp", "Reloj", "word-clock-sp.wav", nullptr},
    {"bedoption3-nightstand.bmp", "Mesita", "word-nightstand-sp.wav", nullptr},
    {"bedoption4-desk.bmp", "Escritorio", "word-desk-sp.wav", nullptr},
    {"bedoption5-lamp.bmp", "Lámpara", "word-lamp-sp.wav", nullptr},
    {"bedoption6-dresser.bmp", "Cómoda", "word-dresser-sp.wav", nullptr},
    {"kitchenoption1-counter.bmp", "Mesón", "word-counter-sp.wav", nullptr},
    {"kitchenoption2-fridge.bmp", "Nevera", "word-fridge-sp.wav", nullptr},
    {"kitchenoption3-counters.bmp", "Gabinetes", "word-cabinets-sp.wav", nullptr},
    {"kitchenoption4-oven.bmp", "Estufa", "word-oven-sp.wav", nullptr},
    {"kitchenoption5-stool.bmp", "Banquillo", "word-stool-sp.wav", nullptr},
    {"kitchenoption6-microwave.bmp", "Microonda", "word-microwave-sp.wav", nullptr},
    {"livingoption1-tv.bmp", "Televisión", "word-tv-sp.wav", nullptr},
    {"livingoption2-table.bmp", "Mesa", "word-table-sp.wav", nullptr},
    {"livingoption3-couch.bmp", "Sofá", "word-couch-sp.wav", nullptr},
    {"livingoption4-curtains.bmp", "Cortinas", "word-curtains-sp.wav", nullptr},
    {"livingoption5-phone.bmp", "Teléfono", "word-phone-sp.wav", nullptr},
    {"livingoption6-chair.bmp", "Sillón", "word-chair-sp.wav", nullptr},

    // Gas station: the click sound, then the English word.
    {"ambulance-up.bmp", "Ambulance", "clickon-activities.wav", "word-ambulance.wav"},
    {"bicycle-up.bmp", "Bicycle", "clickon-activities.wav", "word-bicycle.wav"},
    {"bus-up.bmp", "School Bus", "clickon-activities.wav", "word-schoolbus.wav"},
    {"car-up.bmp", "Car", "clickon-activities.wav", "word-car.wav"},
    {"firetruck-up.bmp", "Firetruck", "clickon-activities.wav", "word-firetruck.wav"},
    {"truck-up.bmp", "Truck", "clickon-activities.wav", "word-truck.wav"},
    {"motorcycle-up.bmp", "Motorcycle", "clickon-activities.wav", "word-motorcycle.wav"},
    {"pickup-up.bmp", "Pickup", "clickon-activities.wav", "word-pickup.wav"},
    {"policecar-up.bmp", "Policecar", "clickon-activities.wav", "word-policecar.wav"},
    {"taxi-up.bmp", "Taxi", "clickon-activities.wav", "word-taxi.wav"},

    // Jobs: created without sounds; these recordings are here for the day they speak.
    {"astronaut-back.bmp", "Astronauta", "word-astronaut-sp.wav", nullptr},
    {"chef-back.bmp", "Cocinero", "word-chef-sp.wav", nullptr},
    {"clown-back.bmp", "Payaso", "word-clown-sp.wav", nullptr},
    {"cop-back.bmp", "Policía", "word-cop-sp.wav", nullptr},
    {"doctor-back.bmp", "Doctor", "word-doctor-sp.wav", nullptr},
    {"farmer-back.bmp", "Agricultor", "word-farmer-sp.wav", nullptr},
    {"fireman-front.bmp", "Bombero", "word-fireman-sp.wav", nullptr},
    {"mailman-back.bmp", "Cartero", "word-mailman-sp.wav", nullptr},
    {"mechanic-back.bmp", "Mecánico", "word-mechanic-sp.wav", nullptr},
    {"pilot-back.bmp", "Piloto", "word-pilot-sp.wav", nullptr},
    {"sailor-back.bmp", "Marinero", "word-sailor-sp.wav", nullptr},
    {"soldier-back.bmp", "Soldado", "word-soldier-sp.wav", nullptr},
};
// clang-format on

} // namespace

std::span<const VocabWord> Vocabulary() {
    return kVocabulary;
}

} // namespace vocassets
