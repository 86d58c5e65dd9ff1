// What a person adds to a sound: a name of their own, tags (free words such
// as "pad" or "bass 80s"), a favourite mark and a short note. Marks belong
// to the sound (the engine's `sounds` string), so every program of the same
// sound shares them. Whatever comes from storage or a saved collection is
// taken only in this shape, and bounded.

export const MOST_TAGS = 16;
export const TAG_LENGTH = 40;
export const NOTE_LENGTH = 500;
// A sound as the engine answers it is about a hundred characters.
export const SOUND_LENGTH = 4096;

const isText = (value) => typeof value === 'string';

// Tags as a person types them: separated by commas, spaces around each
// dropped, the same word (ignoring case) once.
export function parseTags(text) {
  const tags = [];
  for (const part of String(text).split(',')) {
    const tag = part.trim().replace(/\s+/g, ' ').slice(0, TAG_LENGTH);
    if (tag && !tags.some((t) => t.toLowerCase() === tag.toLowerCase())) tags.push(tag);
  }
  return tags.slice(0, MOST_TAGS);
}

export const tagsText = (tags) => tags.join(', ');

// A mark in the page's shape, or null when it holds nothing. `nameLength`:
// the engine's longest name.
export function cleanMark(raw, nameLength) {
  if (!raw || typeof raw !== 'object') return null;
  const mark = {
    name: isText(raw.name) && !/[\u0000-\u001f\u007f]/.test(raw.name) ? raw.name.trim().slice(0, nameLength) : '',
    tags: Array.isArray(raw.tags) ? parseTags(raw.tags.filter(isText).join(',')) : [],
    favourite: raw.favourite === true,
    note: isText(raw.note) ? raw.note.slice(0, NOTE_LENGTH) : '',
  };
  return mark.name || mark.tags.length || mark.favourite || mark.note ? mark : null;
}

export const isSound = (sound) => isText(sound) && sound.length > 0 && sound.length <= SOUND_LENGTH && !sound.includes('\n');

// Two marks of one sound as one, nothing of either lost: the first's name
// where it has one (the second's, when it differs, goes into the note), the
// notes of both, the tags of both, a favourite of either.
export function joinMarks(mine, theirs) {
  if (!mine) return theirs;
  if (!theirs) return mine;
  const notes = [mine.note];
  if (mine.name && theirs.name && mine.name !== theirs.name) notes.push(`also named ${theirs.name}`);
  if (theirs.note && !mine.note.includes(theirs.note)) notes.push(theirs.note);
  const note = notes.filter(Boolean).join(' / ');
  return {
    name: mine.name || theirs.name,
    tags: parseTags([...mine.tags, ...theirs.tags].join(',')),
    favourite: mine.favourite || theirs.favourite,
    note: note.slice(0, NOTE_LENGTH),
  };
}
