// Prints, for each rating sequence below, one tab-separated line per rating: the sequence,
// the target retention, the days since the previous rating, the rating, and the stability,
// difficulty and interval in days that ts-fsrs gives after it.
const { fsrs, generatorParameters } = require(process.argv[2]);

// Each step is [days since the previous rating, rating]; "due" stands for the interval the
// previous step gave, as when the learner answers on the day the word comes back.
const sequences = [
  ["known at once", 0.9, [[0, 4], ["due", 3], ["due", 3], ["due", 3], ["due", 3]]],
  ["again first", 0.9, [[0, 1], [0, 1], [0, 3], ["due", 3], ["due", 1], ["due", 3]]],
  ["good first", 0.9, [[0, 3], [1, 3], [3, 1], [0, 3], [10, 3], [40, 3]]],
  ["same day", 0.9, [[0, 3], [0, 3], [0, 1], [0, 1], [0, 3], [1, 3]]],
  ["late answers", 0.9, [[0, 3], [30, 3], [200, 1], [365, 3], [1000, 3]]],
  ["early answers", 0.9, [[0, 1], [1, 3], [1, 3], [1, 3], [1, 3], [1, 1], [1, 3]]],
  ["low retention", 0.8, [[0, 3], ["due", 3], ["due", 1], ["due", 3], ["due", 3]]],
  ["high retention", 0.97, [[0, 3], ["due", 3], ["due", 1], ["due", 3], ["due", 3]]],
  ["odd retention", 0.85, [[0, 4], ["due", 1], [0, 3], ["due", 3], ["due", 3]]],
  ["to the longest interval", 0.97,
   Array.from({ length: 14 }, (_, i) => [i === 0 ? 0 : "due", i === 0 ? 4 : 3])],
  ["past the longest interval", 0.8, [[0, 4], [3000, 3], [20000, 3], [36500, 3], [36500, 1]]],
  ["lapses", 0.9, [[0, 3], ["due", 1], [1, 1], [2, 1], [4, 1], [8, 3], ["due", 3]]],
];

console.log(["sequence", "retention", "days", "rating", "stability", "difficulty", "interval"]
  .join("\t"));
for (const [name, retention, steps] of sequences) {
  const model = fsrs(generatorParameters({
    request_retention: retention,
    maximum_interval: 36500,
    enable_fuzz: false,
    enable_short_term: true,
  }));
  let state = null;
  let interval = 0;
  for (const [step, rating] of steps) {
    const days = step === "due" ? interval : step;
    state = model.next_state(state, days, rating);
    interval = model.next_interval(state.stability, days);
    console.log([name, retention, days, rating, state.stability, state.difficulty, interval]
      .join("\t"));
  }
}
