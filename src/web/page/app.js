'use strict';
// The parent's page. Every text a person reads is here, in one place, for translation.
const T = {
  title: 'TimeWard',
  loginHeading: "Parent's login",
  name: 'Name',
  password: 'Password',
  login: 'Log in',
  logout: 'Log out',
  users: 'Users',
  requests: 'Requests for more time',
  log: 'Activity log',
  nobody: 'Nobody is logged in.',
  loggedIn: (user) => `${user} is logged in now.`,
  parentTag: 'parent',
  allowance: (basedOn, allowed) => `${basedOn}, ${allowed} allowed`,
  left: 'left',
  typed: 'Minutes',
  give: 'Give',
  renew: 'Renew now',
  endSession: 'End the session',
  endQuestion: (user) => `End the session of ${user}?`,
  gave: (user, n) => `${user} got ${n} minutes.`,
  took: (user, n) => `${n} minutes were taken from ${user}.`,
  renewed: (user) => `The time of ${user} was renewed.`,
  ended: (user) => `The session of ${user} was ended.`,
  badMinutes: 'Please type a whole number from -600 to 600.',
  asked: (r) => `${r.user} asks for ${r.minutes} minutes` + (r.reason ? `: “${r.reason}”` : '') +
                (r.asked ? ` (${r.asked})` : ''),
  approve: (n) => `Approve ${n}`,
  approveTyped: 'Approve',
  deny: 'Deny',
  approved: (user, n) => `${user} got ${n} minutes.`,
  denied: (user) => `The request of ${user} was denied.`,
  usageNote: (days) => `Last ${days} days`,
  offline: 'The computer does not answer.',
};

const $ = (id) => document.getElementById(id);
let token = sessionStorage.getItem('tw-token') || '';
let timer = null;
let usageShown = false;
const cards = new Map();

function el(tag, cls, text) {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  if (text !== undefined) e.textContent = text;
  return e;
}

async function api(method, path, body) {
  const headers = {};
  if (method !== 'GET') headers['X-TimeWard-Token'] = token;
  if (body !== undefined) headers['Content-Type'] = 'application/json';
  const r = await fetch(path, { method, headers, credentials: 'same-origin',
                                body: body === undefined ? undefined : JSON.stringify(body) });
  let data = {};
  try { data = await r.json(); } catch (e) { data = {}; }
  if (r.status === 401 && path !== '/api/login') showLogin();
  return { status: r.status, data };
}

function info(text, ok) {
  const p = $('pageInfo');
  p.textContent = text || '';
  p.className = ok ? 'info ok' : 'info';
}

function showLogin() {
  token = '';
  sessionStorage.removeItem('tw-token');
  if (timer) { clearInterval(timer); timer = null; }
  $('page').hidden = true;
  $('logout').hidden = true;
  $('login').hidden = false;
  $('name').focus();
}

function showPage() {
  $('login').hidden = true;
  $('page').hidden = false;
  $('logout').hidden = false;
  usageShown = false;
  refresh();
  if (!timer) timer = setInterval(refresh, 4000);
}

async function act(method, path, body, done) {
  const r = await api(method, path, body);
  if (r.status === 200) info(done(r.data), true);
  else if (r.status !== 401) info(r.data.error || String(r.status));
  refresh();
}

function userCard(u) {
  const card = el('div', 'user');
  card.dataset.user = u.name;
  const h = el('h3');
  const facts = el('div', 'facts');
  const left = el('div');
  const leftValue = el('span', 'left');
  left.append(leftValue, ' ', T.left);
  const buttons = el('div', 'row');
  for (const n of [5, 15, 30, -15]) {
    const b = el('button', n < 0 ? 'minus' : '', (n < 0 ? '\u2212' + -n : '+' + n));
    b.dataset.minutes = String(n);
    b.addEventListener('click', () => give(u.name, n));
    buttons.append(b);
  }
  const typedRow = el('div', 'row');
  const typed = el('input');
  typed.type = 'number';
  typed.min = '-600';
  typed.max = '600';
  typed.placeholder = T.typed;
  typed.setAttribute('aria-label', T.typed);
  const giveTyped = el('button', '', T.give);
  giveTyped.className = 'giveTyped';
  giveTyped.addEventListener('click', () => {
    const n = Number(typed.value);
    if (!Number.isInteger(n) || n === 0 || n < -600 || n > 600) { info(T.badMinutes); return; }
    give(u.name, n);
    typed.value = '';
  });
  const renew = el('button', 'renew', T.renew);
  renew.addEventListener('click', () =>
    act('POST', `/api/users/${encodeURIComponent(u.name)}/renew`, undefined, () => T.renewed(u.name)));
  const end = el('button', 'minus endSession', T.endSession);
  end.addEventListener('click', () => {
    if (confirm(T.endQuestion(u.name))) act('POST', '/api/session/end', undefined, (d) => T.ended(d.ended));
  });
  typedRow.append(typed, giveTyped, renew, end);
  const chart = el('div', 'chart');
  const note = el('div', 'chartNote');
  card.append(h, facts, left, buttons, typedRow, chart, note);
  card.parts = { h, facts, leftValue, buttons, typedRow, end, chart, note };
  return card;
}

function give(name, n) {
  act('POST', `/api/users/${encodeURIComponent(name)}/minutes`, { minutes: n },
      () => (n > 0 ? T.gave(name, n) : T.took(name, -n)));
}

function renderUsers(users) {
  const box = $('users');
  const seen = new Set();
  for (const u of users) {
    seen.add(u.name);
    let card = cards.get(u.name);
    if (!card) { card = userCard(u); cards.set(u.name, card); }
    box.append(card); // keeps the store's order
    const p = card.parts;
    p.h.textContent = u.name + (u.parent ? ` (${T.parentTag})` : '');
    p.facts.textContent = T.allowance(u.basedOn, u.allowed);
    p.leftValue.textContent = u.left;
    card.classList.toggle('on', u.loggedIn);
    const limited = u.leftSeconds !== null;
    p.buttons.hidden = !limited;
    for (const b of p.typedRow.querySelectorAll('input, .giveTyped')) b.hidden = !limited;
    p.end.hidden = !u.loggedIn;
  }
  for (const [name, card] of cards) {
    if (!seen.has(name)) { card.remove(); cards.delete(name); }
  }
}

function renderRequests(requests) {
  const list = $('requests');
  $('requestsBox').hidden = !requests || requests.length === 0;
  list.textContent = '';
  for (const r of requests || []) {
    const li = el('li', 'request');
    li.dataset.id = String(r.id);
    li.append(el('p', '', T.asked(r)));
    const row = el('div', 'row');
    for (const n of [5, 15, 30, 60]) {
      const b = el('button', 'approve', T.approve(n));
      b.dataset.minutes = String(n);
      b.addEventListener('click', () => answer(r, { answer: 'approve', minutes: n }));
      row.append(b);
    }
    const typed = el('input');
    typed.type = 'number';
    typed.min = '1';
    typed.max = '600';
    typed.value = String(r.minutes);
    typed.setAttribute('aria-label', T.typed);
    const b = el('button', 'approveTyped', T.approveTyped);
    b.addEventListener('click', () => answer(r, { answer: 'approve', minutes: Number(typed.value) }));
    const d = el('button', 'deny', T.deny);
    d.addEventListener('click', () => answer(r, { answer: 'deny' }));
    row.append(typed, b, d);
    li.append(row);
    list.append(li);
  }
}

function answer(r, body) {
  act('POST', `/api/requests/${encodeURIComponent(r.id)}`, body,
      () => (body.answer === 'deny' ? T.denied(r.user) : T.approved(r.user, body.minutes)));
}

async function refresh() {
  let r;
  try { r = await api('GET', '/api/status'); } catch (e) { info(T.offline); return; }
  if (r.status !== 200) return;
  const s = r.data;
  $('sessionLine').textContent = s.session && s.session.user ? T.loggedIn(s.session.user) : T.nobody;
  renderUsers(s.users);
  renderRequests(s.requests);
  if (!usageShown) { usageShown = true; loadUsage(); }
  const log = await api('GET', '/api/log?lines=100');
  if (log.status === 200) {
    const pre = $('log');
    pre.textContent = log.data.lines.slice().reverse().join('\n');
  }
}

async function loadUsage() {
  for (const [name, card] of cards) {
    const r = await api('GET', `/api/usage/${encodeURIComponent(name)}?days=14`);
    if (r.status !== 200) continue;
    const chart = card.parts.chart;
    chart.textContent = '';
    const days = r.data.days;
    const allowance = r.data.allowancePerDay;
    const top = Math.max(3600, allowance, ...days.map((d) => d.seconds)) * 1.125;
    for (const d of days) {
      const bar = el('div', 'bar' + (allowance >= 0 && d.seconds > allowance ? ' over' : ''));
      bar.style.height = `${(100 * d.seconds) / top}%`;
      bar.title = `${d.date}: ${Math.floor(d.seconds / 3600)}:${String(Math.floor(d.seconds / 60) % 60).padStart(2, '0')}`;
      chart.append(bar);
    }
    if (allowance >= 0) {
      const line = el('div', 'limit');
      line.style.bottom = `${(100 * allowance) / top}%`;
      chart.append(line);
    }
    card.parts.note.textContent = T.usageNote(days.length);
  }
}

function start() {
  document.title = T.title;
  $('title').textContent = T.title;
  $('loginHeading').textContent = T.loginHeading;
  $('nameLabel').textContent = T.name;
  $('passwordLabel').textContent = T.password;
  $('loginButton').textContent = T.login;
  $('logout').textContent = T.logout;
  $('usersHeading').textContent = T.users;
  $('requestsHeading').textContent = T.requests;
  $('logHeading').textContent = T.log;
  $('login').addEventListener('submit', async (e) => {
    e.preventDefault();
    const r = await api('POST', '/api/login', { name: $('name').value, password: $('password').value });
    $('password').value = '';
    if (r.status !== 200) { $('loginInfo').textContent = r.data.error || String(r.status); return; }
    $('loginInfo').textContent = '';
    token = r.data.token;
    sessionStorage.setItem('tw-token', token);
    showPage();
  });
  $('logout').addEventListener('click', async () => {
    await api('POST', '/api/logout');
    showLogin();
  });
  if (token) showPage(); else showLogin();
  setInterval(loadUsage, 60000);
}

start();
