// A long list or table as one stop of the Tab key: inside it the arrow keys
// move, Up and Down from row to row (keeping the column), Left and Right
// between the controls of a row, Home and End to the first and last row,
// Page Up and Page Down ten rows at a time. The controls of the rows carry
// data-cell and a data-key that names them across drawings.

const rowsOf = (container, rowSelector) => [...container.querySelectorAll(rowSelector)].filter((r) => r.querySelector('[data-cell]'));
const cellsOf = (row) => [...row.querySelectorAll('[data-cell]')].filter((c) => !c.disabled);

function makeStop(container, cell) {
  for (const other of container.querySelectorAll('[data-cell][tabindex="0"]')) if (other !== cell) other.tabIndex = -1;
  cell.tabIndex = 0;
  container.dataset.stop = cell.dataset.key || '';
}

// After a drawing: exactly one control of the container takes Tab, the one
// that had it before when it is still there, else the first that matches
// `first`.
export function settleStop(container, first = '[data-cell]') {
  const cells = container.querySelectorAll('[data-cell]');
  const key = container.dataset.stop;
  const stop = (key && container.querySelector(`[data-cell][data-key="${CSS.escape(key)}"]`))
    || [...cells].find((c) => !c.disabled && c.matches(first)) || [...cells].find((c) => !c.disabled);
  // Only what changes is written: a thousand lines written over would have
  // the browser work out their style again.
  for (const cell of cells) {
    const index = cell === stop ? 0 : -1;
    if (cell.tabIndex !== index) cell.tabIndex = index;
  }
}

// `more()`, when given, draws more rows when the keys go past the last one
// drawn, and answers whether it drew any.
export function rove(container, rowSelector, more = () => false) {
  container.addEventListener('focusin', (event) => {
    if (event.target.matches('[data-cell]')) makeStop(container, event.target);
  });
  container.addEventListener('keydown', (event) => {
    const cell = event.target.closest('[data-cell]');
    if (!cell || event.altKey || event.ctrlKey || event.metaKey) return;
    const row = cell.closest(rowSelector);
    let rows = rowsOf(container, rowSelector);
    const at = rows.indexOf(row);
    const column = cellsOf(row).indexOf(cell);
    let to = null;
    const moveRows = (by) => {
      let index = at + by;
      if (index >= rows.length && more()) rows = rowsOf(container, rowSelector);
      index = Math.max(0, Math.min(index, rows.length - 1));
      const cells = cellsOf(rows[index]);
      return cells[Math.min(column, cells.length - 1)];
    };
    switch (event.key) {
      case 'ArrowDown': to = moveRows(1); break;
      case 'ArrowUp': to = moveRows(-1); break;
      case 'PageDown': to = moveRows(10); break;
      case 'PageUp': to = moveRows(-10); break;
      case 'Home': to = moveRows(-at); break;
      case 'End': to = moveRows(rows.length - 1 - at); break;
      case 'ArrowRight': to = cellsOf(row)[column + 1]; break;
      case 'ArrowLeft': to = cellsOf(row)[column - 1]; break;
      default: return;
    }
    event.preventDefault();
    if (!to) return;
    makeStop(container, to);
    to.focus();
    to.scrollIntoView({ block: 'nearest' });
  });
}
