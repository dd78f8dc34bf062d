// Positions of the speed tools: the bench list, whose node total at a fixed depth is the
// signature of the search, and six of them that bench's long run and peers search.
#pragma once

inline constexpr const char *POSICIONES_BENCH[] = {
    // Openings.
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2",
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
    "rnbqkb1r/pp2pppp/3p1n2/8/3NP3/8/PPP2PPP/RNBQKB1R w KQkq - 1 5",
    "rnbqk2r/ppp1ppbp/3p1np1/8/2PPP3/2N5/PP3PPP/R1BQKBNR w KQkq - 1 5",
    "r1bqk2r/pppp1ppp/2n2n2/2b1p3/2B1P3/2P2N2/PP1P1PPP/RNBQK2R w KQkq - 1 5",
    "rnbqkb1r/ppp2ppp/4pn2/3p4/2PP4/2N5/PP2PPPP/R1BQKBNR w KQkq - 2 4",
    "r1bqkbnr/pp1ppppp/2n5/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3",
    // Middlegames.
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R w KQ - 4 8",
    "r2q1rk1/pp1nbppp/2p1pn2/3p4/2PP1B2/2N1PN2/PPQ2PPP/R3KB1R w KQ - 2 9",
    "2rq1rk1/pb1nbppp/1p2pn2/2pp4/2PP4/1PN1PN2/PB2BPPP/2RQ1RK1 w - - 0 11",
    "r1b2rk1/2q1bppp/p2p1n2/np2p3/3PP3/2P2N1P/PPB2PP1/RNBQR1K1 w - - 1 12",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "2rr3k/pp3pp1/1nnqbN1p/3pN3/2pP4/2P3Q1/PPB4P/R4RK1 w - - 0 1",
    "r1bq2rk/pp3pbp/2p1p1pQ/7P/3P4/2PB1N2/PP3PPR/2KR4 w - - 0 1",
    "3r1rk1/p4ppp/1qp1b3/2b1p3/4P3/1BN1B3/PPPQ1PPP/3R1RK1 w - - 0 1",
    "r2qr1k1/1p1nbppp/p2p1n2/2pPp3/P1P1P3/2N1BN1P/1P2BPP1/R2Q1RK1 b - - 0 13",
    "1r2r1k1/3bnppp/p2q4/2RPp3/4P3/6P1/2Q1NPBP/2R3K1 w - - 0 1",
    "r1b1r1k1/1pq1bppp/p2ppn2/6B1/3NP3/2N2P2/PPPQ2PP/2KR1B1R w - - 0 12",
    // Endgames.
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "8/8/4k3/8/2p5/8/B2P2K1/8 w - - 0 1",
    "8/8/1P6/5pr1/8/4R3/7k/2K5 w - - 0 1",
    "8/3k4/8/8/8/4B3/4KB2/2B5 w - - 0 1",
    "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1",
    "8/8/8/3k4/8/8/3PK3/8 w - - 0 1",
    "5k2/8/3K4/4P3/8/8/8/8 w - - 0 1",
    "8/5pk1/6p1/7p/5P1P/6P1/5K2/3r4 b - - 0 1",
    "4r1k1/5pp1/7p/8/8/1P5P/P4PP1/2R3K1 w - - 0 1",
    "8/8/8/8/4k3/8/2q5/K7 b - - 0 1",
};
inline constexpr int NUM_POSICIONES_BENCH = sizeof(POSICIONES_BENCH) / sizeof(POSICIONES_BENCH[0]);

// Two openings, three middlegames and an ending of the list.
inline constexpr int POSICIONES_LARGAS[6] = {0, 5, 9, 12, 17, 20};
