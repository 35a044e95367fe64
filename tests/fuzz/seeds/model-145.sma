5
0, 
6.5, span
12.5, span
18, "quoted, with comma"
23.5, span
2
1, 1, 1, span
5, 1
0, x
2
2E8, 
2E8, x

1
0.0004, x
4
2, 1, 1, 1, x
2, 3
1, 1, "quoted, with comma"
4, 3
1
1, span
5, 4
2
1, span
3
2, 3, 0, 1, 1, 0.25, x
3, 2, 8, 6, 0, 0, "quoted, with comma"
3, 2, -4, 12, 0, 0.25, 
1
5, -4, 2, span
