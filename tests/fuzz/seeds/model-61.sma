4
0, span
4.5, "quoted, with comma"
9, 
13.5, span
2
1, 1, 0, span
4, 1, 0, x
1
2.1e+11, "quoted, with comma"
2
0.0004, span
8.5E-6, span
3
1, 2, 1
2, "quoted, with comma"
3, 2, 1, 1, x
3, 4, 1, 2, span

3
1, 2, 4, 10, 0.5, 0.25, 
2, 1, -5, 2, 1, 0.5, x
2, 3
9, -5, 0.5
0.5, span
1
3, -2, 2, "quoted, with comma"
