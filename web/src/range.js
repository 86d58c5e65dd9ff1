// Program numbers as a person types them: whole numbers from 0, or nothing
// for that end of the bank. Anything else is refused in words, before the
// engine is asked. (A number larger than a bank holds is fine: the engine
// takes the bank's last program.)

// `what` names the choice in the words ("Programs to write"). Answers
// { first, last } (undefined for an end left empty) or { problem, field }.
export function readRange(firstText, lastText, what) {
  const texts = { first: firstText.trim(), last: lastText.trim() };
  for (const field of ['first', 'last']) {
    if (!/^\d{0,9}$/.test(texts[field])) {
      return { field, problem: `“${what}” takes program numbers: 0, 1, 2 and so on, or nothing for the whole bank; “${texts[field]}” is not one.` };
    }
  }
  const number = (text) => (text === '' ? undefined : Number(text));
  const first = number(texts.first);
  const last = number(texts.last);
  if (first !== undefined && last !== undefined && first > last) {
    return { field: 'first', problem: `“${what}” from ${first} to ${last}: the first number is above the last. Swap them, or leave one empty.` };
  }
  return { first, last };
}
